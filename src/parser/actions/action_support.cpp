#include "parser/actions/action_support.h"

#include "parser/error_routine.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool Refuse(ParseSession& session) {
  ReportParseError(session, "");
  return false;
}

bool RefuseWith(ParseSession& session, int number, const char* argument) {
  session.state.error.lastMessage = FormatMessage(number, argument ? argument : "");
  ReportParseError(session, kSpecialError);
  return false;
}

SmartPointer<Orv::INCObjectExpression> StringConstant(ParseSession& session, std::string_view text) {
  SmartPointer<Orv::INCValue> value;
  session.host().values->CreateStringValue(HostText(text), value);
  return ConstantOf(session, value);
}

SmartPointer<Orv::INCObjectExpression> RealConstantExpression(ParseSession& session, double number) {
  SmartPointer<Orv::INCValue> value;
  session.host().values->CreateRealValue(number, value);
  return ConstantOf(session, value);
}

SmartPointer<Orv::INCObjectExpression> BoolConstant(ParseSession& session, bool truth) {
  SmartPointer<Orv::INCValue> value;
  session.host().values->CreateBoolValue(truth, value);
  return ConstantOf(session, value);
}

SmartPointer<Orv::INCObjectExpression> ReferenceConstant(ParseSession& session, Orv::INCObject* object) {
  SmartPointer<Orv::INCValue> value;
  session.host().values->CreateReferenceValue(object, value);
  return ConstantOf(session, value);
}

SmartPointer<Orv::ArgumentExpressionList> NewArgumentList() {
  return new Orv::ArgumentExpressionList();
}

bool IsEmptyParentheses(const Orv::ArgumentExpressionList& list) {
  SmartPointer<Orv::INCObjectExpression> first;
  return list.GetArgumentListSize() == 1 && list.GetListArgument(0, first) == Orv::ORV_SUCCESS && !first;
}

}  // namespace Velkor::OrvTessan
