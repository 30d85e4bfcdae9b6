#include "parser/actions/sync_actions.h"

#include "parser/actions/action_support.h"
#include "parser/actions/statement_support.h"

namespace Velkor::OrvTessan {
namespace {

// Statement modes of the parse context: the action part of a synchronized
// action is parsed in the synchronized mode.
constexpr std::int32_t kNormalMode = 0;
constexpr std::int32_t kSynchronizedMode = 1;

// Opens the action in the host and keeps its kind for the statements of the
// action part.
void OpenAction(ParseSession& session, const char* id, const ExpressionRef& condition, std::int32_t kind) {
  session.context->BeginSynchronizedAction(HostText(id), AsExpression(condition), kind);
  session.context->SetSyncMode(kSynchronizedMode);
  session.state.statement.syncKind = kind;
}

}  // namespace

bool SetInterrupt(ParseSession& session, Expr* input, Expr* priority, const char* routine, std::int32_t liftfast) {
  const auto arguments = NamedArguments({{"Value", input->expression},
                                         {"Prio", priority->expression},
                                         {"Name", StringConstant(session, routine)},
                                         {"Liftfast", BoolConstant(session, liftfast != 0)}});
  AppendCommand(session, "SETINT", arguments.get(), 1);
  return true;
}

bool BeginConditionalAction(ParseSession& session, const char* id, std::int32_t kind, Expr* condition) {
  if (condition->type != kBoolType || AsExpression(condition->expression) == nullptr) return Refuse(session);
  OpenAction(session, id, condition->expression, kind);
  session.state.statement.syncCondition = condition->expression;
  return true;
}

bool BeginUnconditionalAction(ParseSession& session, const char* id) {
  // The host gets a condition that always holds; the action part sees none.
  OpenAction(session, id, BoolConstant(session, true), kUnconditionalAction);
  return true;
}

void EndSynchronizedAction(ParseSession& session) {
  session.context->SetSyncMode(kNormalMode);
}

void CancelAction(ParseSession& session, const char* id) {
  session.context->CancelSynchronizedAction(HostText(id));
}

}  // namespace Velkor::OrvTessan
