// Actions of literals, axis names and argument lists of expressions, and
// the conversions of the digit and number texts the scanner delivers.
#pragma once

#include "orv/arguments.h"
#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

std::int32_t IntegerOfDigits(const char* digits);
std::int32_t NegatedIntegerOfDigits(const char* digits);
double RealOfText(const char* text);

// Axis names as text: the letter, optionally followed by its digits; the
// extended address is accepted only as the spindle "S" (null otherwise).
const char* AxisNameText(ParseSession& session, const AddressWord& address, const char* digits);
const char* SpindleNameText(ParseSession& session, const AddressWord& address, const char* digits);

// Number literals from the scanner's text.
bool RealLiteral(ParseSession& session, Expr*& result, const char* text);
bool IntegerLiteral(ParseSession& session, Expr*& result, const char* digits);
bool StringLiteral(ParseSession& session, Expr*& result, const char* text);
bool BoolLiteral(ParseSession& session, Expr*& result, std::int32_t value);
bool AxisLiteral(ParseSession& session, Expr*& result, const char* axisName);

// An argument of a function-like argument list: an AXIS becomes its name.
bool ListArgument(ParseSession& session, Expr*& result, Expr* argument);
// A new list holding `first` as its first list argument.
Orv::ArgumentExpressionList* ArgumentListOf(ParseSession& session, Expr* first);
Orv::ArgumentExpressionList* AppendArgument(Orv::ArgumentExpressionList* list, Expr* argument);

// The result of a bare expression, kept for the expression entry point.
void KeepExpressionResult(ParseSession& session, Expr* expression);

}  // namespace Velkor::OrvTessan
