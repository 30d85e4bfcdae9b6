#include "parser/actions/command_actions.h"

#include "parser/actions/action_support.h"
#include "parser/actions/statement_support.h"

namespace Velkor::OrvTessan {
namespace {

// Statement mode of the parse context while a wait task is added.
constexpr std::int32_t kWaitTaskMode = 2;

}  // namespace

// Inside a WHENEVER action, RDISABLE hands the host a wait task on the
// negated action condition; anywhere else it adds nothing.
bool ReadDisable(ParseSession& session) {
  const StatementState& statement = session.state.statement;
  if (statement.syncKind != kWheneverAction) return true;
  Orv::IParseContext& context = *session.context;
  const std::int32_t previousMode = context.GetSyncMode();
  context.SetSyncMode(kWaitTaskMode);
  const auto arguments = NewArgumentList();
  arguments->AddListArgument(StringConstant(session, "CheckCondition").get());
  arguments->AddListArgument(BoolConstant(session, false).get());
  const ExpressionRef conditionFails = UnaryExpression(session, statement.syncCondition, kNegationOperator);
  arguments->AddListArgument(ReferenceConstant(session, conditionFails.get()).get());
  context.AddInternalCommand("AddWaitTask", arguments.get());
  context.SetSyncMode(previousMode);
  return true;
}

// The table and undercut variables are passed by name: the host looks them
// up when the command runs.
bool ContourPreparation(ParseSession& session, const char* table, Expr* mode, const char* undercut, Expr* direction) {
  const auto arguments = NamedArguments({{"TableVar", StringConstant(session, table)},
                                         {"ProcessMode", mode->expression},
                                         {"UndercutVar", StringConstant(session, undercut)},
                                         {"ProcessDir", direction ? direction->expression : nullptr}});
  AppendCommand(session, "CONTPRON", arguments.get(), 1);
  return true;
}

bool ExecuteTable(ParseSession& session, const char* table, Expr* row) {
  const auto arguments = NamedArguments({{"TableVar", StringConstant(session, table)}, {"Row", row->expression}});
  AppendCommand(session, "EXECTAB", arguments.get(), 1);
  return true;
}

bool ExecuteContour(ParseSession& session, const char* errorVariable) {
  AppendCommand(session, "EXECUTE", NamedArguments({{"ErrorVar", StringConstant(session, errorVariable)}}).get(), 1);
  return true;
}

bool PlainCommand(ParseSession& session, const char* name) {
  AppendCommand(session, name, nullptr, 1);
  return true;
}

bool ValueCommand(ParseSession& session, const char* name, Expr* value) {
  AppendCommand(session, name, NamedArguments({{"Value", value->expression}}).get(), 1);
  return true;
}

bool ListCommand(ParseSession& session, const char* name, Orv::ArgumentExpressionList* arguments) {
  AppendCommand(session, name, arguments, 1);
  return true;
}

bool AxisCommand(ParseSession& session, const char* name, Expr* axis) {
  AppendCommand(session, name, NamedArguments({{"Axis", axis->expression}}).get(), 1);
  return true;
}

}  // namespace Velkor::OrvTessan
