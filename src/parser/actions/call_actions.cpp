// Subprogram calls (by name, CALL, MCALL), TRAILON/TRAILOF, RET, and the
// adaptation of call arguments to the declared passing modes.
#include "parser/actions/call_actions.h"

#include <string>

#include "parser/actions/action_support.h"
#include "parser/actions/statement_support.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

// The message kind of a notice that does not reject the block.
constexpr std::int32_t kNoticeKind = 2;

// Appends `command` calling `callee` with the call's arguments, if any.
void AppendCall(ParseSession& session, std::string_view command, const ExpressionRef& callee,
                Orv::ArgumentExpressionList* arguments) {
  const SmartPointer<Orv::ArgumentExpressionList> list = arguments ? arguments : NewArgumentList();
  list->RegisterMapArgument("Value", callee.get());
  AppendCommand(session, command, list.get(), 1);
}

}  // namespace

void AdaptCallArguments(ParseSession& session, std::string_view subprogram, Orv::ArgumentExpressionList* arguments) {
  Orv::IChannel* channel = session.host().channel;
  if (arguments == nullptr || arguments->GetArgumentListSize() == 0 || channel == nullptr) return;
  const Orv::String name = HostText(subprogram);
  if (channel->IsSubprogramUndeclared(name) != 0) {
    // Without a declaration the host passes every argument by reference; the
    // call still goes through.
    ErrorState& error = session.state.error;
    error.lastMessage = FormatMessage(kNoExternDeclaration, name.c_str());
    error.kind = kNoticeKind;
  }
  for (std::int32_t index = 0; index < arguments->GetArgumentListSize(); ++index) {
    ExpressionRef argument;
    arguments->GetListArgument(index, argument);
    std::int32_t mode = Orv::ParameterMode::Other;
    if (argument && channel->GetParameterMode(name, index, mode) == Orv::ORV_SUCCESS &&
        mode == Orv::ParameterMode::ByReference) {
      // The host passes the expression itself, so the subprogram can write to it.
      arguments->ReplaceListArgument(index, ReferenceConstant(session, argument.get()).get());
    }
  }
}

bool CallByName(ParseSession& session, const char* name, Orv::ArgumentExpressionList* arguments) {
  HostObjects& host = session.host();
  ExpressionRef callee;
  if (host.scope->CheckScalarVariable(HostText(name)) == Orv::ORV_SUCCESS) {
    // The variable's text names the subprogram when the block runs.
    host.expressions->CreateVariableExpression(HostText(name), callee);
  } else {
    callee = StringConstant(session, name);
  }
  AdaptCallArguments(session, name, arguments);
  AppendCall(session, "CALL", callee, arguments);
  return true;
}

// Passing modes are known only for a callee named at parse time, so a
// computed name takes no arguments.
bool Call(ParseSession& session, Expr* name, Orv::ArgumentExpressionList* arguments) {
  if (arguments) {
    Orv::String subprogram;
    if (!TextKnownAtParseTime(name->expression, subprogram)) return Refuse(session);
    AdaptCallArguments(session, subprogram, arguments);
  }
  AppendCall(session, "CALL", name->expression, arguments);
  return true;
}

bool CallBlock(ParseSession& session, Expr* name, Expr* startLabel, Expr* endLabel) {
  const auto arguments = NamedArguments({{"Value", name ? name->expression : nullptr},
                                         {"StartLabel", startLabel->expression},
                                         {"EndLabel", endLabel->expression}});
  AppendCommand(session, "CALL", arguments.get(), 1);
  return true;
}

bool ModalCall(ParseSession& session, const char* name, Orv::ArgumentExpressionList* arguments) {
  if (name == nullptr) return Refuse(session);
  AdaptCallArguments(session, name, arguments);
  AppendCall(session, "MCALL", StringConstant(session, name), arguments);
  return true;
}

bool EndModalCall(ParseSession& session) {
  AppendCommand(session, "MCALL", nullptr, 1);
  return true;
}

bool TrailOn(ParseSession& session, Expr* leadingAxis, Expr* coupledAxis, Expr* transmission) {
  const auto arguments = NamedArguments({{"Axis1", leadingAxis->expression},
                                         {"Axis2", coupledAxis->expression},
                                         {"Transmission", transmission ? transmission->expression : nullptr}});
  AppendCommand(session, "TRAILON", arguments.get(), 1);
  return true;
}

bool TrailOff(ParseSession& session, Expr* leadingAxis, Expr* coupledAxis) {
  const auto arguments = NamedArguments({{"Axis1", leadingAxis->expression}, {"Axis2", coupledAxis->expression}});
  AppendCommand(session, "TRAILOF", arguments.get(), 1);
  return true;
}

bool AxisArgument(ParseSession& session, Expr*& result, const AddressWord& address, const char* digits) {
  std::string name = address.name;
  if (digits) name += digits;
  result = NewExpr(session, StringConstant(session, name), kStringType);
  return true;
}

// Of the extended addresses only the spindle S names an axis.
bool SpindleAxisArgument(ParseSession& session, Expr*& result, const AddressWord& address, std::int32_t number) {
  if (std::string_view(address.name) != "S") return Refuse(session);
  result = NewExpr(session, StringConstant(session, "S" + std::to_string(number)), kStringType);
  return true;
}

bool AxisVariableArgument(ParseSession& session, Expr*& result, Expr* reference) {
  if (reference->type != kAxisType) return Refuse(session);
  result = reference;
  return true;
}

Orv::ArgumentExpressionList* CallArgumentList(Orv::ArgumentExpressionList* arguments) {
  return IsEmptyParentheses(*arguments) ? nullptr : arguments;
}

bool Return(ParseSession& session) {
  AppendCommand(session, "RET", nullptr, 1);
  return true;
}

}  // namespace Velkor::OrvTessan
