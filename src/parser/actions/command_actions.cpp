// Placeholder actions: the blocks that need them are refused until the
// actions are written.
#include "parser/actions/command_actions.h"

#include "parser/actions/action_support.h"

namespace Velkor::OrvTessan {

bool ReadDisable(ParseSession& session) {
  return Refuse(session);
}

bool ContourPreparation(ParseSession& session, const char*, Expr*, const char*, Expr*) {
  return Refuse(session);
}

bool ExecuteTable(ParseSession& session, const char*, Expr*) {
  return Refuse(session);
}

bool ExecuteContour(ParseSession& session, const char*) {
  return Refuse(session);
}

bool PlainCommand(ParseSession& session, const char*) {
  return Refuse(session);
}

bool ValueCommand(ParseSession& session, const char*, Expr*) {
  return Refuse(session);
}

bool ListCommand(ParseSession& session, const char*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool AxisCommand(ParseSession& session, const char*, Expr*) {
  return Refuse(session);
}

}  // namespace Velkor::OrvTessan
