// Actions of subprogram declarations, headers and calls, TRAILON/TRAILOF and
// RET, with the by-reference adaptation of call arguments.
#pragma once

#include <string>
#include <string_view>

#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

// Passing-mode texts of EXTERN parameters.
inline constexpr const char* kPassByValue = "PARAMETER_CALL_BY_VALUE";
inline constexpr const char* kPassByReference = "PARAMETER_CALL_BY_REFERENCE";

bool ExternDeclaration(ParseSession& session, const char* name, Orv::ArgumentExpressionList* parameterModes);
bool NumberedExternDeclaration(ParseSession& session, const AddressWord& address, const char* number,
                               Orv::ArgumentExpressionList* parameterModes);
bool PassingModeText(ParseSession& session, Expr*& result, const char* mode);

bool ProcedureHeader(ParseSession& session, const char* name, Orv::ArgumentExpressionList* parameters);
bool NumberedProcedureHeader(ParseSession& session, const AddressWord& address, const char* number,
                             Orv::ArgumentExpressionList* parameters);
bool ParameterDeclaration(ParseSession& session, Expr*& result, std::int32_t typeCode, const char* name,
                          std::int32_t isArray);

bool CallByName(ParseSession& session, const char* name, Orv::ArgumentExpressionList* arguments);
bool Call(ParseSession& session, Expr* name, Orv::ArgumentExpressionList* arguments);
bool CallBlock(ParseSession& session, Expr* name, Expr* startLabel, Expr* endLabel);
bool ModalCall(ParseSession& session, const char* name, Orv::ArgumentExpressionList* arguments);
bool NumberedModalCall(ParseSession& session, const AddressWord& address, const char* number,
                       Orv::ArgumentExpressionList* arguments);
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

// The name of a numbered subprogram, "L" followed by its number; false for
// any address letter but L.
bool NumberedSubprogramName(const AddressWord& address, const char* number, std::string& name);

}  // namespace Velkor::OrvTessan
