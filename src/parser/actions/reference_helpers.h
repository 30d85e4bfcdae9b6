// Resolution of a variable name with indexes into a host reference: a host
// function or controller method, a character of a STRING variable, or an
// element of an array.
#pragma once

#include <string_view>

#include "orv/base.h"
#include "orv/expressions.h"
#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

// The array whose elements R0, R1, ... are.
inline constexpr const char* kRParameters = "$R";

// Fills `result` (expression, type, lvalue and variable) for `name` with
// `indexCount` (0, 1 or 2) indexes; false when the name denotes nothing
// that can be indexed, or for more indexes. Reports nothing itself.
bool ResolveVariableReference(ParseSession& session, std::string_view name, std::int32_t indexCount,
                              const Orv::SmartPointer<Orv::INCObjectExpression>* indexes, Expr& result);

// The R parameter at `index`, an element of the array $R, as
// ResolveVariableReference finds it. The first R parameter of a parse
// resolves $R; the others make their element on the array it found. The
// result keeps only the element's expression and type, as a value.
bool ResolveRParameter(ParseSession& session, const Orv::SmartPointer<Orv::INCObjectExpression>& index, Expr& result);

}  // namespace Velkor::OrvTessan
