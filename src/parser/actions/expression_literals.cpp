// Literals, axis names and argument lists of expressions.
#include "parser/actions/expression_literals.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "parser/actions/action_support.h"
#include "parser/actions/expression_helpers.h"
#include "parser/digit_value.h"

namespace Velkor::OrvTessan {

// Binary and hexadecimal constants reach the grammar as signed decimal text;
// digit runs too long for 32 bits wrap instead of overflowing.
std::int32_t IntegerOfDigits(const char* digits) {
  if (*digits == '-') return NegatedIntegerOfDigits(digits + 1);
  return WrappedDigitValue(digits, 10);
}

std::int32_t NegatedIntegerOfDigits(const char* digits) {
  return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(IntegerOfDigits(digits)));
}

// A literal is digits with a point. Out of a double's range it becomes what
// the standard conversion gives: infinity when its whole part is too large,
// else (a fraction too small) zero.
double RealOfText(const char* text) {
  const char* end = text + std::strlen(text);
  if (const std::optional<double> shortDecimal = ShortDecimalValue(std::string_view(text, end))) return *shortDecimal;
  double value = 0.0;
  if (std::from_chars(text, end, value).ec == std::errc::result_out_of_range) {
    const char* point = std::find(text, end, '.');
    value = std::find_if(text, point, [](char digit) { return digit != '0'; }) != point ? HUGE_VAL : 0.0;
  }
  return value;
}

const char* AxisNameText(ParseSession& session, const AddressWord& address, const char* digits) {
  return session.arena().Keep(std::string(address.name) + (digits ? digits : ""));
}

const char* SpindleNameText(ParseSession& session, const AddressWord& address, const char* digits) {
  // The only extended address that names an axis is the spindle.
  if (std::strcmp(address.name, "S") != 0) {
    Refuse(session);
    return nullptr;
  }
  return AxisNameText(session, address, digits);
}

bool RealLiteral(ParseSession& session, Expr*& result, const char* text) {
  return Produce(session, result, RealConstantExpression(session, RealOfText(text)), kRealType);
}

bool IntegerLiteral(ParseSession& session, Expr*& result, const char* digits) {
  return Produce(session, result, IntConstant(session, IntegerOfDigits(digits)), kIntType);
}

bool StringLiteral(ParseSession& session, Expr*& result, const char* text) {
  return Produce(session, result, StringConstant(session, text), kStringType);
}

bool BoolLiteral(ParseSession& session, Expr*& result, std::int32_t value) {
  return Produce(session, result, BoolConstant(session, value != 0), kBoolType);
}

// An axis in an expression is resolved by the controller when the block
// runs, never at parse time.
bool AxisLiteral(ParseSession& session, Expr*& result, const char* axisName) {
  const ExpressionRef name = StringConstant(session, axisName);
  if (!name) return Refuse(session);
  Orv::INCObjectExpression* arguments[] = {name.get()};
  ExpressionRef axis;
  session.host().methodCalls->CreateMethodExpression(1, arguments, "CreateAxis", axis);
  return Produce(session, result, std::move(axis), kAxisType);
}

bool ListArgument(ParseSession& session, Expr*& result, Expr* argument) {
  result = argument;
  if (argument->type != kAxisType) return true;
  if (AsStructExpression(argument->expression) == nullptr) return Refuse(session);
  ExpressionRef name = MemberExpression(session, argument->expression, "Name");
  if (!name) return Refuse(session);
  result = NewExpr(session, std::move(name), kStringType);
  return true;
}

Orv::ArgumentExpressionList* ArgumentListOf(ParseSession& session, Expr* first) {
  return AppendArgument(session.arena().NewArgumentList(), first);
}

Orv::ArgumentExpressionList* AppendArgument(Orv::ArgumentExpressionList* list, Expr* argument) {
  list->AddListArgument(argument->expression.get());
  return list;
}

void KeepExpressionResult(ParseSession& session, Expr* expression) {
  session.state.expressionResult = expression->expression;
}

}  // namespace Velkor::OrvTessan
