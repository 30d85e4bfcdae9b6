// Placeholder actions: the blocks that need them are refused until the
// actions are written.
#include "parser/actions/control_flow_actions.h"

#include "parser/actions/action_support.h"

namespace Velkor::OrvTessan {

bool LabelName(ParseSession& session, Expr*&, const char*) {
  return Refuse(session);
}

bool PrefixLabelConcatenation(ParseSession& session, Expr*&, Expr*) {
  return Refuse(session);
}

bool LabelConcatenation(ParseSession& session, Expr*&, Expr*, Expr*) {
  return Refuse(session);
}

bool Goto(ParseSession& session, std::int32_t, Expr*) {
  return Refuse(session);
}

bool CaseSelector(ParseSession& session, Expr*) {
  return Refuse(session);
}

bool CaseBranch(ParseSession& session, std::int32_t, std::int32_t, const char*) {
  return Refuse(session);
}

bool CaseDefault(ParseSession& session, std::int32_t, const char*) {
  return Refuse(session);
}

bool IfHead(ParseSession& session, Expr*) {
  return Refuse(session);
}

bool OneLineIfEnd(ParseSession& session) {
  return Refuse(session);
}

bool Else(ParseSession& session) {
  return Refuse(session);
}

bool EndIf(ParseSession& session) {
  return Refuse(session);
}

bool Loop(ParseSession& session) {
  return Refuse(session);
}

bool EndLoop(ParseSession& session) {
  return Refuse(session);
}

bool For(ParseSession& session, Expr*, Expr*, Expr*) {
  return Refuse(session);
}

bool EndFor(ParseSession& session) {
  return Refuse(session);
}

bool While(ParseSession& session, Expr*) {
  return Refuse(session);
}

bool EndWhile(ParseSession& session) {
  return Refuse(session);
}

bool RepeatMark(ParseSession& session) {
  return Refuse(session);
}

bool Until(ParseSession& session, Expr*) {
  return Refuse(session);
}

bool RepeatRange(ParseSession& session, const char*, Expr*, Expr*) {
  return Refuse(session);
}

bool RepeatBlock(ParseSession& session, Expr*, Expr*) {
  return Refuse(session);
}

bool DefaultRepeatCount(ParseSession& session, Expr*&) {
  return Refuse(session);
}

bool RepeatCount(ParseSession& session, Expr*&, const AddressWord&, Expr*) {
  return Refuse(session);
}

}  // namespace Velkor::OrvTessan
