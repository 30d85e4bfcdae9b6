// The operator codes the host's expression factory takes.
#pragma once

#include <cstdint>

namespace Velkor::OrvTessan {

enum UnaryOperator : std::int32_t {
  kNegationOperator = 0,  // of a number or of a truth value
  kRoundOperator = 12,
  kBitwiseNotOperator = 16,
};

enum BinaryOperator : std::int32_t {
  kPlusOperator = 0,  // also joins two texts
  kMinusOperator = 1,
  kTimesOperator = 2,
  kDivideOperator = 3,
  kModuloOperator = 4,
  kArcTangent2Operator = 6,
  kEqualOperator = 10,
  kUnequalOperator = 11,
  kLessOrEqualOperator = 15,
};

}  // namespace Velkor::OrvTessan
