// Actions of command statements: the predefined command keywords and the
// commands with a structure of their own (RDISABLE, CONTPRON, EXECTAB, EXECUTE).
#pragma once

#include "orv/arguments.h"
#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

bool ReadDisable(ParseSession& session);
// CONTPRON; `direction` is null in the three-argument form.
bool ContourPreparation(ParseSession& session, const char* table, Expr* mode, const char* undercut, Expr* direction);
bool ExecuteTable(ParseSession& session, const char* table, Expr* row);
bool ExecuteContour(ParseSession& session, const char* errorVariable);
bool PlainCommand(ParseSession& session, const char* name);
bool ValueCommand(ParseSession& session, const char* name, Expr* value);
bool ListCommand(ParseSession& session, const char* name, Orv::ArgumentExpressionList* arguments);
bool AxisCommand(ParseSession& session, const char* name, Expr* axis);

}  // namespace Velkor::OrvTessan
