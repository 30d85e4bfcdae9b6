// Placeholder actions: the blocks that need them are refused until the
// actions are written.
#include "parser/actions/reference_actions.h"

#include "parser/actions/action_support.h"

namespace Velkor::OrvTessan {

bool PlainVariable(ParseSession& session, Expr*&, const char*) {
  return Refuse(session);
}

bool RParameter(ParseSession& session, Expr*&, std::int32_t) {
  return Refuse(session);
}

bool FrameComponent(ParseSession& session, Expr*&, const char*, Expr*, const char*) {
  return Refuse(session);
}

bool IndexedVariable(ParseSession& session, Expr*&, const char*, Expr*) {
  return Refuse(session);
}

bool FrameArrayComponent(ParseSession& session, Expr*&, const char*, Expr*, Expr*, const char*) {
  return Refuse(session);
}

bool DoublyIndexedVariable(ParseSession& session, Expr*&, const char*, Expr*, Expr*) {
  return Refuse(session);
}

Expr* ValueOfReference(Expr*) {
  return nullptr;
}

bool Assignment(ParseSession& session, Expr*, Expr*) {
  return Refuse(session);
}

bool RepeatAssignment(ParseSession& session, Expr*, Expr*) {
  return Refuse(session);
}

bool ListAssignment(ParseSession& session, Expr*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

}  // namespace Velkor::OrvTessan
