// Resolution of a variable name with indexes into a host reference: a host
// function or controller method, a character of a STRING variable, or an
// element of an array.
#pragma once

#include <string_view>

#include "orv/base.h"
#include "orv/expressions.h"
#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

// Fills `result` (expression, type, lvalue and variable) for `name` with
// `indexCount` (0, 1 or 2) indexes; false when the name denotes nothing
// that can be indexed. Reports nothing itself.
bool ResolveVariableReference(ParseSession& session, std::string_view name, std::int32_t indexCount,
                              const Orv::SmartPointer<Orv::INCObjectExpression>* indexes, Expr& result);

}  // namespace Velkor::OrvTessan
