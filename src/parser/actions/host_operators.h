// The operator codes the host's expression factory takes. The scanner
// delivers the function and comparison codes as the values of their tokens.
#pragma once

#include <cstdint>

namespace Velkor::OrvTessan {

enum UnaryOperator : std::int32_t {
  kNegationOperator = 0,  // of a number or of a truth value
  kSineOperator = 1,
  kCosineOperator = 2,
  kTangentOperator = 3,
  kArcSineOperator = 4,
  kArcCosineOperator = 5,
  kExponentialOperator = 7,
  kNaturalLogarithmOperator = 8,
  kDecimalLogarithmOperator = 9,
  kRoundOperator = 12,
  kAbsoluteValueOperator = 13,
  kSquareRootOperator = 15,
  kBitwiseNotOperator = 16,
};

enum BinaryOperator : std::int32_t {
  kPlusOperator = 0,  // also joins two texts
  kMinusOperator = 1,
  kTimesOperator = 2,
  kDivideOperator = 3,
  kModuloOperator = 4,
  kArcTangent2Operator = 6,
  // Logical and bitwise forms share a code: the parser tells them apart by
  // converting logical operands to truth values.
  kAndOperator = 7,
  kOrOperator = 8,
  kXorOperator = 9,
  kEqualOperator = 10,
  kUnequalOperator = 11,
  kGreaterOperator = 12,
  kGreaterOrEqualOperator = 13,
  kLessOperator = 14,
  kLessOrEqualOperator = 15,
};

}  // namespace Velkor::OrvTessan
