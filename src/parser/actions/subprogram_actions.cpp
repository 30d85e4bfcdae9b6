// Placeholder actions: the blocks that need them are refused until the
// actions are written.
#include "parser/actions/subprogram_actions.h"

#include "parser/actions/action_support.h"

namespace Velkor::OrvTessan {

bool ExternDeclaration(ParseSession& session, const char*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool NumberedExternDeclaration(ParseSession& session, const AddressWord&, const char*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool PassingModeText(ParseSession& session, Expr*&, const char*) {
  return Refuse(session);
}

bool ProcedureHeader(ParseSession& session, const char*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool NumberedProcedureHeader(ParseSession& session, const AddressWord&, const char*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool ParameterDeclaration(ParseSession& session, Expr*&, std::int32_t, const char*, std::int32_t) {
  return Refuse(session);
}

bool CallByName(ParseSession& session, const char*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool Call(ParseSession& session, Expr*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool CallBlock(ParseSession& session, Expr*, Expr*, Expr*) {
  return Refuse(session);
}

bool ModalCall(ParseSession& session, const char*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool NumberedModalCall(ParseSession& session, const AddressWord&, const char*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool EndModalCall(ParseSession& session) {
  return Refuse(session);
}

bool TrailOn(ParseSession& session, Expr*, Expr*, Expr*) {
  return Refuse(session);
}

bool TrailOff(ParseSession& session, Expr*, Expr*) {
  return Refuse(session);
}

bool AxisArgument(ParseSession& session, Expr*&, const AddressWord&, const char*) {
  return Refuse(session);
}

bool SpindleAxisArgument(ParseSession& session, Expr*&, const AddressWord&, std::int32_t) {
  return Refuse(session);
}

bool AxisVariableArgument(ParseSession& session, Expr*&, Expr*) {
  return Refuse(session);
}

Orv::ArgumentExpressionList* CallArgumentList(Orv::ArgumentExpressionList*) {
  return nullptr;
}

bool Return(ParseSession& session) {
  return Refuse(session);
}

void AdaptCallArguments(ParseSession&, const std::string&, Orv::ArgumentExpressionList*) {}

}  // namespace Velkor::OrvTessan
