// Actions of the built-in functions and function-like operators of
// expressions: arithmetic functions, host function calls, controller methods,
// frame construction and the text functions.
#pragma once

#include "orv/arguments.h"
#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

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
bool StringLength(ParseSession& session, Expr*& result, Expr* text);
// SUBSTR with a length, or without one when `length` is null.
bool Substring(ParseSession& session, Expr*& result, Expr* text, Expr* start, Expr* length);

}  // namespace Velkor::OrvTessan
