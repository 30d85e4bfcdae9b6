// The host's operators on basic values: the result type of each operator
// for its operand types, conversions, and the operators themselves.
// Trigonometric functions take and give angles in degrees. No operator
// yields an infinite or undefined number: it fails instead.
#pragma once

#include <string>

#include "evaluation/evaluation.h"
#include "orv/base.h"
#include "values/basic_value.h"

namespace Velkor::OrvReference {

// The operator's name in the block trace: neg, sin, ..., or u<code>;
// +, -, ..., ==, or b<code>.
std::string UnaryOperatorName(std::int32_t op);
std::string BinaryOperatorName(std::int32_t op);

// The result type code of an operator for the given operand type codes;
// false when it does not apply to them.
bool UnaryResultCode(std::int32_t op, std::int32_t operand, std::int32_t& result);
bool BinaryResultCode(std::int32_t op, std::int32_t left, std::int32_t right, std::int32_t& result);

// A real converted to INT is truncated toward zero; a text converts to CHAR
// only when it has one character, and nothing but a reference converts to
// OBJECT.
bool ApplyConversion(Evaluation& evaluation, const Orv::SmartPointer<BasicValue>& value, std::int32_t code,
                     Orv::SmartPointer<BasicValue>& result);
bool ApplyUnary(Evaluation& evaluation, std::int32_t op, const BasicValue& operand,
                Orv::SmartPointer<BasicValue>& result);
bool ApplyBinary(Evaluation& evaluation, std::int32_t op, const BasicValue& left, const BasicValue& right,
                 Orv::SmartPointer<BasicValue>& result);
// Whether `==` holds; false for values it does not compare.
bool EqualValues(const BasicValue& left, const BasicValue& right);

}  // namespace Velkor::OrvReference
