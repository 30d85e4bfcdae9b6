// Actions of expressions: names, literals, functions, operators, frame
// construction and argument lists. Each builds host expressions through the
// factories and keeps the parser type beside them; none evaluates anything.
#pragma once

#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

std::int32_t IntegerOfDigits(const char* digits);
std::int32_t NegatedIntegerOfDigits(const char* digits);
double RealOfText(const char* text);

// Axis names as text: the letter, optionally followed by its digits; the
// extended address is accepted only as the spindle "S" (null otherwise).
const char* AxisNameText(ParseSession& session, const AddressWord& address, const char* digits);
const char* SpindleNameText(ParseSession& session, const AddressWord& address, const char* digits);

bool RealLiteral(ParseSession& session, Expr*& result, double value);
bool IntegerLiteral(ParseSession& session, Expr*& result, std::int32_t value);
bool StringLiteral(ParseSession& session, Expr*& result, const char* text);
bool BoolLiteral(ParseSession& session, Expr*& result, std::int32_t value);
bool AxisLiteral(ParseSession& session, Expr*& result, const char* axisName);

bool UnaryFunction(ParseSession& session, Expr*& result, std::int32_t functionCode, Expr* operand);
bool ArcTangent2(ParseSession& session, Expr*& result, Expr* y, Expr* x);
bool Square(ParseSession& session, Expr*& result, Expr* operand);
bool HostFunctionCall(ParseSession& session, Expr*& result, const char* name, Orv::ArgumentExpressionList* arguments);
// INTERSEC with three indexed variables, or the third without index (null).
bool Intersection(ParseSession& session, Expr*& result, const char* first, Expr* firstIndex, const char* second,
                  Expr* secondIndex, const char* third, Expr* thirdIndex);
bool AxisMethodCall(ParseSession& session, Expr*& result, const char* name, Orv::ArgumentExpressionList* arguments);
bool FrameMethodCall(ParseSession& session, Expr*& result, const char* name, Orv::ArgumentExpressionList* arguments);
bool FrameConstruction(ParseSession& session, Expr*& result, const char* component,
                       Orv::ArgumentExpressionList* arguments);
bool AxisNameString(ParseSession& session, Expr*& result, Expr* axis);

bool FrameChain(ParseSession& session, Expr*& result, Expr* left, Expr* right);
bool PrefixConcatenation(ParseSession& session, Expr*& result, Expr* operand);
bool Concatenation(ParseSession& session, Expr*& result, Expr* left, Expr* right);
bool StringLength(ParseSession& session, Expr*& result, Expr* text);
// SUBSTR with a length, or without one when `length` is null.
bool Substring(ParseSession& session, Expr*& result, Expr* text, Expr* start, Expr* length);
bool Arithmetic(ParseSession& session, Expr*& result, Expr* left, Expr* right, std::int32_t operatorCode);
bool Division(ParseSession& session, Expr*& result, Expr* left, Expr* right);
bool IntegerDivision(ParseSession& session, Expr*& result, Expr* left, Expr* right);
bool Modulo(ParseSession& session, Expr*& result, Expr* left, Expr* right);
bool Negation(ParseSession& session, Expr*& result, Expr* operand);
bool Comparison(ParseSession& session, Expr*& result, Expr* left, Expr* right, std::int32_t comparisonCode);
bool LogicalNot(ParseSession& session, Expr*& result, Expr* operand);
bool Logical(ParseSession& session, Expr*& result, Expr* left, Expr* right, std::int32_t operatorCode);
bool BitwiseNot(ParseSession& session, Expr*& result, Expr* operand);
bool Bitwise(ParseSession& session, Expr*& result, Expr* left, Expr* right, std::int32_t operatorCode);

// An argument of a function-like argument list: an AXIS becomes its name.
bool ListArgument(ParseSession& session, Expr*& result, Expr* argument);
// A new list holding `first` as its first list argument.
Orv::ArgumentExpressionList* ArgumentListOf(ParseSession& session, Expr* first);
Orv::ArgumentExpressionList* AppendArgument(Orv::ArgumentExpressionList* list, Expr* argument);

// The result of a bare expression, kept for the expression entry point.
void KeepExpressionResult(ParseSession& session, Expr* expression);

}  // namespace Velkor::OrvTessan
