// Actions of subprogram declarations (EXTERN) and headers (PROC), with the
// passing modes of their parameters.
#pragma once

#include "orv/arguments.h"
#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

// Passing-mode texts of EXTERN parameters.
inline constexpr const char* kPassByValue = "PARAMETER_CALL_BY_VALUE";
inline constexpr const char* kPassByReference = "PARAMETER_CALL_BY_REFERENCE";

// The name of a numbered subprogram, "L" followed by its number; null for
// any address letter but L. EXTERN, PROC and MCALL refuse a null name.
const char* NumberedSubprogramName(ParseSession& session, const AddressWord& address, const char* number);

bool ExternDeclaration(ParseSession& session, const char* name, Orv::ArgumentExpressionList* parameterModes);
bool PassingModeText(ParseSession& session, Expr*& result, const char* mode);

bool ProcedureHeader(ParseSession& session, const char* name, Orv::ArgumentExpressionList* parameters);
bool ParameterDeclaration(ParseSession& session, Expr*& result, std::int32_t typeCode, const char* name,
                          std::int32_t isArray);

}  // namespace Velkor::OrvTessan
