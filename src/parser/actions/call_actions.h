// Actions of subprogram calls (by name, CALL, MCALL), TRAILON/TRAILOF and
// RET, with the by-reference adaptation of call arguments.
#pragma once

#include <string_view>

#include "orv/arguments.h"
#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

bool CallByName(ParseSession& session, const char* name, Orv::ArgumentExpressionList* arguments);
bool Call(ParseSession& session, Expr* name, Orv::ArgumentExpressionList* arguments);
bool CallBlock(ParseSession& session, Expr* name, Expr* startLabel, Expr* endLabel);
// MCALL of a subprogram; a null name (a numbered one with a letter but L) is
// refused.
bool ModalCall(ParseSession& session, const char* name, Orv::ArgumentExpressionList* arguments);
bool EndModalCall(ParseSession& session);
bool TrailOn(ParseSession& session, Expr* leadingAxis, Expr* coupledAxis, Expr* transmission);
bool TrailOff(ParseSession& session, Expr* leadingAxis, Expr* coupledAxis);
bool AxisArgument(ParseSession& session, Expr*& result, const AddressWord& address, const char* digits);
bool SpindleAxisArgument(ParseSession& session, Expr*& result, const AddressWord& address, std::int32_t number);
bool AxisVariableArgument(ParseSession& session, Expr*& result, Expr* reference);
// The written argument list; empty parentheses count as no list (null).
Orv::ArgumentExpressionList* CallArgumentList(Orv::ArgumentExpressionList* arguments);
bool Return(ParseSession& session);

// Wraps the by-reference arguments of a call of `subprogram` and notes a
// call with arguments to a subprogram that was never declared.
void AdaptCallArguments(ParseSession& session, std::string_view subprogram, Orv::ArgumentExpressionList* arguments);

}  // namespace Velkor::OrvTessan
