// Actions of the three assignment forms: a plain assignment (or one
// character of a STRING variable), and the array fillers REP and SET.
#pragma once

#include "orv/arguments.h"
#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

bool Assignment(ParseSession& session, Expr* target, Expr* value);
bool RepeatAssignment(ParseSession& session, Expr* target, Expr* value);
bool ListAssignment(ParseSession& session, Expr* target, Orv::ArgumentExpressionList* values);

}  // namespace Velkor::OrvTessan
