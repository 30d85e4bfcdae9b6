#include "parser/actions/expression_helpers.h"

#include <vector>

#include "parser/actions/action_support.h"
#include "parser/actions/host_operators.h"

namespace Velkor::OrvTessan {

ExpressionRef MakeBinaryExpression(ParseSession& session, const ExpressionRef& left, const ExpressionRef& right,
                                   std::int32_t operatorCode) {
  Orv::INCExpression* leftOperand = AsExpression(left);
  Orv::INCExpression* rightOperand = AsExpression(right);
  ExpressionRef result;
  if (leftOperand == nullptr || rightOperand == nullptr) return result;
  session.host().expressions->CreateBinaryExpression(leftOperand, rightOperand, operatorCode, result);
  return result;
}

ExpressionRef ToBooleanExpression(ParseSession& session, const Expr& value) {
  if (AsExpression(value.expression) == nullptr) return {};
  switch (value.type) {
    case kBoolType:
      return value.expression;
    case kIntType:
    case kRealType:
    case kCharType:
      return ConvertExpression(session, value.expression, Orv::BasicType::Bool);
    default:
      return {};
  }
}

ExpressionRef AxisIndexExpression(ParseSession& session, const Expr& value) {
  switch (value.type) {
    case kIntType:
    case kRealType:
    case kCharType:
      return AsExpression(value.expression) ? value.expression : ExpressionRef();
    case kAxisType:
      if (AsStructExpression(value.expression) == nullptr) return {};
      return JointNumber(session, MemberExpression(session, value.expression, "Name"));
    default:
      return {};
  }
}

bool IsRealResult(std::int32_t leftType, std::int32_t rightType) {
  return leftType == kRealType || rightType == kRealType;
}

ExpressionRef ComputedMName(ParseSession& session, std::string_view prefix, const ExpressionRef& value) {
  const ExpressionRef number = ConvertExpression(session, value, Orv::BasicType::Int);
  if (!number) return {};
  return MakeBinaryExpression(session, StringConstant(session, prefix), number, kPlusOperator);
}

ExpressionRef ConvertExpression(ParseSession& session, const ExpressionRef& value, std::int32_t hostType) {
  Orv::INCExpression* operand = AsExpression(value);
  ExpressionRef result;
  if (operand != nullptr) session.host().expressions->CreateConversionExpression(operand, hostType, result);
  return result;
}

ExpressionRef UnaryExpression(ParseSession& session, const ExpressionRef& operand, std::int32_t operatorCode) {
  Orv::INCExpression* basic = AsExpression(operand);
  ExpressionRef result;
  if (basic != nullptr) session.host().expressions->CreateUnaryExpression(basic, operatorCode, result);
  return result;
}

ExpressionRef MemberExpression(ParseSession& session, const ExpressionRef& structure, std::string_view member) {
  ExpressionRef result;
  if (structure) session.host().expressions->CreateMemberExpression(structure.get(), HostText(member), result);
  return result;
}

ExpressionRef FunctionCall(ParseSession& session, std::string_view name,
                           std::initializer_list<ExpressionRef> arguments) {
  std::vector<Orv::INCExpression*> basics;
  for (const ExpressionRef& argument : arguments) basics.push_back(AsExpression(argument));
  ExpressionRef result;
  session.host().expressions->CreateFunctionExpression(static_cast<std::int32_t>(basics.size()), basics.data(),
                                                       HostText(name), result);
  return result;
}

ExpressionRef JointNumber(ParseSession& session, const ExpressionRef& axisName) {
  if (!axisName) return {};
  return FunctionCall(session, "GetJointNumber", {axisName});
}

ExpressionRef FormatString(ParseSession& session, const ExpressionRef& value) {
  return FunctionCall(session, "FormatString", {value});
}

}  // namespace Velkor::OrvTessan
