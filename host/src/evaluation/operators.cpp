#include "evaluation/operators.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace BasicCode = Orv::BasicType;

namespace {

namespace Unary {
constexpr std::int32_t kNegate = 0, kSin = 1, kCos = 2, kTan = 3, kAsin = 4, kAcos = 5, kExp = 7, kLn = 8, kLog = 9,
                       kRound = 12, kAbs = 13, kSqrt = 15, kBitNot = 16;
}  // namespace Unary

namespace Binary {
constexpr std::int32_t kAdd = 0, kSubtract = 1, kMultiply = 2, kDivide = 3, kModulo = 4, kAtan2 = 6, kAnd = 7, kOr = 8,
                       kXor = 9, kEqual = 10, kNotEqual = 11, kGreater = 12, kGreaterEqual = 13, kLess = 14,
                       kLessEqual = 15;
}  // namespace Binary

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

bool IsIntegralCode(std::int32_t code) {
  return code == BasicCode::Int || code == BasicCode::Char;
}
bool IsTextCode(std::int32_t code) {
  return code == BasicCode::String || code == BasicCode::Char;
}
std::string TypeName(std::int32_t code) {
  return IsBasicTypeCode(code) ? BasicTypeName(code) : "?";
}

// Numbers of INT, CHAR, BOOL, REAL3 and REAL values.
double RealOf(const BasicValue& value) {
  if (IsRealCode(value.code())) return std::get<double>(value.payload());
  std::int32_t integer = 0;
  value.GetInteger(integer);
  return integer;
}

std::int64_t IntegerOf(const BasicValue& value) {
  std::int32_t integer = 0;
  value.GetInteger(integer);
  return integer;
}

Orv::String TextOf(const BasicValue& value) {
  Orv::String text;
  value.GetString(text);
  return text;
}

bool MakeInteger(Evaluation& evaluation, std::int64_t number, SmartPointer<BasicValue>& result) {
  if (number < std::numeric_limits<std::int32_t>::min() || number > std::numeric_limits<std::int32_t>::max()) {
    return evaluation.Fail("The result exceeds the range of INT.");
  }
  result = BasicValue::Int(static_cast<std::int32_t>(number));
  return true;
}

// A real truncated toward zero into the INT range.
bool TruncateReal(Evaluation& evaluation, double number, std::int64_t& integer) {
  const double truncated = std::trunc(number);
  if (!(truncated >= std::numeric_limits<std::int32_t>::min() &&
        truncated <= std::numeric_limits<std::int32_t>::max())) {
    return evaluation.Fail("The number does not fit into an INT.");
  }
  integer = static_cast<std::int64_t>(truncated);
  return true;
}

bool IntegerFrom(Evaluation& evaluation, const BasicValue& value, std::int64_t& integer) {
  if (!IsRealCode(value.code())) {
    integer = IntegerOf(value);
    return true;
  }
  return TruncateReal(evaluation, RealOf(value), integer);
}

bool MakeReal(Evaluation& evaluation, std::int32_t code, double number, SmartPointer<BasicValue>& result) {
  if (!std::isfinite(number)) return evaluation.Fail("The result is not a finite number.");
  result = code == BasicCode::Real3 ? BasicValue::Real3(number) : BasicValue::Real(number);
  return true;
}

bool RealFunction(Evaluation& evaluation, std::int32_t op, double x, double& y) {
  switch (op) {
    case Unary::kNegate:
      y = -x;
      return true;
    case Unary::kSin:
      y = std::sin(x * kRadiansPerDegree);
      return true;
    case Unary::kCos:
      y = std::cos(x * kRadiansPerDegree);
      return true;
    case Unary::kTan:
      y = std::tan(x * kRadiansPerDegree);
      return true;
    case Unary::kAsin:
    case Unary::kAcos:
      if (x < -1.0 || x > 1.0) return evaluation.Fail("ASIN and ACOS take numbers from -1 to 1.");
      y = (op == Unary::kAsin ? std::asin(x) : std::acos(x)) / kRadiansPerDegree;
      return true;
    case Unary::kExp:
      y = std::exp(x);
      return true;
    case Unary::kLn:
    case Unary::kLog:
      if (x <= 0.0) return evaluation.Fail("LN and LOG take numbers greater than 0.");
      y = op == Unary::kLn ? std::log(x) : std::log10(x);
      return true;
    case Unary::kRound:
      y = std::round(x);
      return true;
    case Unary::kAbs:
      y = std::fabs(x);
      return true;
    case Unary::kSqrt:
      if (x < 0.0) return evaluation.Fail("SQRT takes numbers of 0 or more.");
      y = std::sqrt(x);
      return true;
    default:
      return evaluation.Fail("Unknown operator " + UnaryOperatorName(op) + ".");
  }
}

bool IntegerArithmetic(Evaluation& evaluation, std::int32_t op, std::int64_t a, std::int64_t b,
                       SmartPointer<BasicValue>& result) {
  if ((op == Binary::kDivide || op == Binary::kModulo) && b == 0) return evaluation.Fail("Division by zero.");
  switch (op) {
    case Binary::kAdd:
      return MakeInteger(evaluation, a + b, result);
    case Binary::kSubtract:
      return MakeInteger(evaluation, a - b, result);
    case Binary::kMultiply:
      return MakeInteger(evaluation, a * b, result);
    case Binary::kDivide:
      return MakeInteger(evaluation, a / b, result);
    default:
      return MakeInteger(evaluation, a % b, result);
  }
}

bool RealArithmetic(Evaluation& evaluation, std::int32_t op, double a, double b, SmartPointer<BasicValue>& result) {
  if ((op == Binary::kDivide || op == Binary::kModulo) && b == 0.0) return evaluation.Fail("Division by zero.");
  switch (op) {
    case Binary::kAdd:
      return MakeReal(evaluation, BasicCode::Real, a + b, result);
    case Binary::kSubtract:
      return MakeReal(evaluation, BasicCode::Real, a - b, result);
    case Binary::kMultiply:
      return MakeReal(evaluation, BasicCode::Real, a * b, result);
    case Binary::kDivide:
      return MakeReal(evaluation, BasicCode::Real, a / b, result);
    case Binary::kModulo:
      return MakeReal(evaluation, BasicCode::Real, std::fmod(a, b), result);
    default:
      return MakeReal(evaluation, BasicCode::Real, std::atan2(a, b) / kRadiansPerDegree, result);
  }
}

template <class T>
bool Compares(std::int32_t op, const T& a, const T& b) {
  switch (op) {
    case Binary::kEqual:
      return a == b;
    case Binary::kNotEqual:
      return a != b;
    case Binary::kGreater:
      return a > b;
    case Binary::kGreaterEqual:
      return a >= b;
    case Binary::kLess:
      return a < b;
    default:
      return a <= b;
  }
}

bool Comparison(std::int32_t op, const BasicValue& left, const BasicValue& right) {
  if (IsNumericCode(left.code()) && IsNumericCode(right.code())) {
    if (IsRealCode(left.code()) || IsRealCode(right.code())) return Compares(op, RealOf(left), RealOf(right));
    return Compares(op, IntegerOf(left), IntegerOf(right));
  }
  if (IsTextCode(left.code())) return Compares(op, TextOf(left), TextOf(right));
  return Compares(op, IntegerOf(left), IntegerOf(right));
}

bool Logic(std::int32_t op, bool a, bool b) {
  if (op == Binary::kAnd) return a && b;
  if (op == Binary::kOr) return a || b;
  return a != b;
}

std::int64_t Bits(std::int32_t op, std::int64_t a, std::int64_t b) {
  if (op == Binary::kAnd) return a & b;
  if (op == Binary::kOr) return a | b;
  return a ^ b;
}

}  // namespace

std::string UnaryOperatorName(std::int32_t op) {
  switch (op) {
    case Unary::kNegate:
      return "neg";
    case Unary::kSin:
      return "sin";
    case Unary::kCos:
      return "cos";
    case Unary::kTan:
      return "tan";
    case Unary::kAsin:
      return "asin";
    case Unary::kAcos:
      return "acos";
    case Unary::kExp:
      return "exp";
    case Unary::kLn:
      return "ln";
    case Unary::kLog:
      return "log";
    case Unary::kRound:
      return "round";
    case Unary::kAbs:
      return "abs";
    case Unary::kSqrt:
      return "sqrt";
    case Unary::kBitNot:
      return "bnot";
    default:
      return "u" + std::to_string(op);
  }
}

std::string BinaryOperatorName(std::int32_t op) {
  static const char* const kNames[] = {"+",  "-",   "*",  "/",  "mod", nullptr, "atan2", "and",
                                       "or", "xor", "==", "<>", ">",   ">=",    "<",     "<="};
  const bool named = op >= 0 && op < static_cast<std::int32_t>(std::size(kNames)) && kNames[op] != nullptr;
  return named ? kNames[op] : "b" + std::to_string(op);
}

bool UnaryResultCode(std::int32_t op, std::int32_t operand, std::int32_t& result) {
  if (op == Unary::kNegate && operand == BasicCode::Bool) {
    result = BasicCode::Bool;
    return true;
  }
  if (!IsNumericCode(operand)) return false;
  switch (op) {
    case Unary::kNegate:
    case Unary::kAbs:
      result = IsIntegralCode(operand) ? BasicCode::Int : operand;
      return true;
    case Unary::kBitNot:
      result = BasicCode::Int;
      return true;
    case Unary::kSin:
    case Unary::kCos:
    case Unary::kTan:
    case Unary::kAsin:
    case Unary::kAcos:
    case Unary::kExp:
    case Unary::kLn:
    case Unary::kLog:
    case Unary::kRound:
    case Unary::kSqrt:
      result = BasicCode::Real;
      return true;
    default:
      return false;
  }
}

bool BinaryResultCode(std::int32_t op, std::int32_t left, std::int32_t right, std::int32_t& result) {
  const bool numbers = IsNumericCode(left) && IsNumericCode(right);
  const std::int32_t arithmeticCode = (IsRealCode(left) || IsRealCode(right)) ? BasicCode::Real : BasicCode::Int;
  switch (op) {
    case Binary::kAdd:
      if (left == BasicCode::String && right == BasicCode::String) {
        result = BasicCode::String;
        return true;
      }
      [[fallthrough]];
    case Binary::kSubtract:
    case Binary::kMultiply:
    case Binary::kDivide:
    case Binary::kModulo:
      result = arithmeticCode;
      return numbers;
    case Binary::kAtan2:
      result = BasicCode::Real;
      return numbers;
    case Binary::kAnd:
    case Binary::kOr:
    case Binary::kXor:
      result = numbers ? BasicCode::Int : BasicCode::Bool;
      return numbers || (left == BasicCode::Bool && right == BasicCode::Bool);
    case Binary::kEqual:
    case Binary::kNotEqual:
    case Binary::kGreater:
    case Binary::kGreaterEqual:
    case Binary::kLess:
    case Binary::kLessEqual:
      result = BasicCode::Bool;
      return numbers || (IsTextCode(left) && IsTextCode(right)) ||
             (left == BasicCode::Bool && right == BasicCode::Bool);
    default:
      return false;
  }
}

bool ApplyConversion(Evaluation& evaluation, const SmartPointer<BasicValue>& converted, std::int32_t code,
                     SmartPointer<BasicValue>& result) {
  const BasicValue& value = *converted;
  const std::int32_t from = value.code();
  if (from == code) {
    result = converted;
    return true;
  }
  const bool number = IsNumericCode(from) || from == BasicCode::Bool;
  std::int64_t integer = 0;
  switch (code) {
    case BasicCode::Bool:
      if (!number) break;
      result = BasicValue::Bool(RealOf(value) != 0.0);
      return true;
    case BasicCode::Char:
      if (from == BasicCode::String && TextOf(value).size() == 1) {
        result = BasicValue::Char(TextOf(value)[0]);
        return true;
      }
      if (!IsIntegralCode(from)) break;
      if (IntegerOf(value) < 0 || IntegerOf(value) > 255) return evaluation.Fail("The number is no character code.");
      result = BasicValue::Char(static_cast<char>(IntegerOf(value)));
      return true;
    case BasicCode::Int:
      if (!number) break;
      return IntegerFrom(evaluation, value, integer) && MakeInteger(evaluation, integer, result);
    case BasicCode::Real3:
    case BasicCode::Real:
      if (!number) break;
      return MakeReal(evaluation, code, RealOf(value), result);
    case BasicCode::String:
      if (from == BasicCode::Object) break;
      result = BasicValue::Text(TextOf(value));
      return true;
    default:
      break;
  }
  return evaluation.Fail("A " + TypeName(from) + " cannot be converted to " + TypeName(code) + ".");
}

bool ApplyUnary(Evaluation& evaluation, std::int32_t op, const BasicValue& operand, SmartPointer<BasicValue>& result) {
  std::int32_t code = 0;
  if (!UnaryResultCode(op, operand.code(), code)) {
    return evaluation.Fail("The operator " + UnaryOperatorName(op) + " does not apply to a " +
                           TypeName(operand.code()) + ".");
  }
  if (code == BasicCode::Bool) {
    result = BasicValue::Bool(!std::get<bool>(operand.payload()));
    return true;
  }
  if (code == BasicCode::Int) {
    std::int64_t integer = 0;
    if (!IntegerFrom(evaluation, operand, integer)) return false;
    if (op == Unary::kBitNot) return MakeInteger(evaluation, ~integer, result);
    return MakeInteger(evaluation, op == Unary::kAbs ? std::abs(integer) : -integer, result);
  }
  double y = 0.0;
  return RealFunction(evaluation, op, RealOf(operand), y) && MakeReal(evaluation, code, y, result);
}

bool ApplyBinary(Evaluation& evaluation, std::int32_t op, const BasicValue& left, const BasicValue& right,
                 SmartPointer<BasicValue>& result) {
  std::int32_t code = 0;
  if (!BinaryResultCode(op, left.code(), right.code(), code)) {
    return evaluation.Fail("The operator " + BinaryOperatorName(op) + " does not apply to " + TypeName(left.code()) +
                           " and " + TypeName(right.code()) + ".");
  }
  if (op >= Binary::kEqual) {
    result = BasicValue::Bool(Comparison(op, left, right));
    return true;
  }
  if (op >= Binary::kAnd) {
    if (code == BasicCode::Bool) {
      result = BasicValue::Bool(Logic(op, std::get<bool>(left.payload()), std::get<bool>(right.payload())));
      return true;
    }
    std::int64_t a = 0, b = 0;
    return IntegerFrom(evaluation, left, a) && IntegerFrom(evaluation, right, b) &&
           MakeInteger(evaluation, Bits(op, a, b), result);
  }
  if (code == BasicCode::String) {
    result = BasicValue::Text(TextOf(left) + TextOf(right));
    return true;
  }
  if (code == BasicCode::Int) return IntegerArithmetic(evaluation, op, IntegerOf(left), IntegerOf(right), result);
  return RealArithmetic(evaluation, op, RealOf(left), RealOf(right), result);
}

bool EqualValues(const BasicValue& left, const BasicValue& right) {
  std::int32_t code = 0;
  return BinaryResultCode(Binary::kEqual, left.code(), right.code(), code) && Comparison(Binary::kEqual, left, right);
}

}  // namespace Velkor::OrvReference
