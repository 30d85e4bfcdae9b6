// Built-in functions and function-like operators of expressions: arithmetic
// functions, host function calls, controller methods and frame construction.
#include "parser/actions/expression_functions.h"

#include <cstring>
#include <vector>

#include "parser/actions/action_support.h"
#include "parser/actions/expression_helpers.h"
#include "parser/actions/host_operators.h"

namespace Velkor::OrvTessan {
namespace {

std::vector<ExpressionRef> ListArguments(const Orv::ArgumentExpressionList& list) {
  std::vector<ExpressionRef> arguments(static_cast<std::size_t>(list.GetArgumentListSize()));
  for (std::size_t i = 0; i < arguments.size(); ++i) list.GetListArgument(static_cast<std::int32_t>(i), arguments[i]);
  return arguments;
}

ExpressionRef MethodCall(ParseSession& session, const char* name, const std::vector<ExpressionRef>& arguments) {
  std::vector<Orv::INCObjectExpression*> objects;
  for (const ExpressionRef& argument : arguments) objects.push_back(argument.get());
  ExpressionRef result;
  session.host().methodCalls->CreateMethodExpression(static_cast<std::int32_t>(objects.size()), objects.data(), name,
                                                     result);
  return result;
}

bool IsBasicOfType(const Expr* value, std::int32_t type) {
  return value->type == type && AsExpression(value->expression) != nullptr;
}

}  // namespace

bool UnaryFunction(ParseSession& session, Expr*& result, std::int32_t functionCode, Expr* operand) {
  ExpressionRef applied = UnaryExpression(session, operand->expression, functionCode);
  // ROUND keeps the operand's type: its result is converted back.
  if (applied && functionCode == kRoundOperator)
    applied = ConvertExpression(session, applied, ParserToHostType(operand->type));
  return Produce(session, result, std::move(applied), operand->type);
}

bool ArcTangent2(ParseSession& session, Expr*& result, Expr* y, Expr* x) {
  return Produce(session, result, MakeBinaryExpression(session, y->expression, x->expression, kArcTangent2Operator),
                 kRealType);
}

bool Square(ParseSession& session, Expr*& result, Expr* operand) {
  return Produce(session, result,
                 MakeBinaryExpression(session, operand->expression, operand->expression, kTimesOperator),
                 operand->type);
}

bool HostFunctionCall(ParseSession& session, Expr*& result, const char* name, Orv::ArgumentExpressionList* arguments) {
  std::vector<Orv::INCExpression*> basics;
  for (const ExpressionRef& argument : ListArguments(*arguments)) basics.push_back(AsExpression(argument));
  ExpressionRef call;
  session.host().expressions->CreateFunctionExpression(static_cast<std::int32_t>(basics.size()), basics.data(), name,
                                                       call);
  if (!call) return Refuse(session);
  std::int32_t hostType = -1;
  call->GetType(hostType);
  result = NewExpr(session, std::move(call), HostToParserType(hostType));
  return true;
}

bool Intersection(ParseSession& session, Expr*& result, const char* first, Expr* firstIndex, const char* second,
                  Expr* secondIndex, const char* third, Expr* thirdIndex) {
  const ExpressionRef names[] = {StringConstant(session, first), StringConstant(session, second),
                                 StringConstant(session, third)};
  std::vector<Orv::INCExpression*> arguments = {AsExpression(names[0]), AsExpression(firstIndex->expression),
                                                AsExpression(names[1]), AsExpression(secondIndex->expression),
                                                AsExpression(names[2])};
  if (thirdIndex != nullptr) arguments.push_back(AsExpression(thirdIndex->expression));
  ExpressionRef call;
  session.host().expressions->CreateFunctionExpression(static_cast<std::int32_t>(arguments.size()), arguments.data(),
                                                       "INTERSEC", call);
  return Produce(session, result, std::move(call), kBoolType);
}

bool AxisMethodCall(ParseSession& session, Expr*& result, const char* name, Orv::ArgumentExpressionList* arguments) {
  return Produce(session, result, MethodCall(session, name, ListArguments(*arguments)), kAxisType);
}

bool FrameMethodCall(ParseSession& session, Expr*& result, const char* name, Orv::ArgumentExpressionList* arguments) {
  return Produce(session, result, MethodCall(session, name, ListArguments(*arguments)), kFrameType);
}

// CTRANS(X, 10, Y, 20) reaches "CreateFrame" as ("TR", joint of X, 10, joint
// of Y, 20); a mirror list names axes only, each followed by the flag 1.0.
bool FrameConstruction(ParseSession& session, Expr*& result, const char* component,
                       Orv::ArgumentExpressionList* arguments) {
  const bool mirror = std::strcmp(component, "MI") == 0;
  std::vector<ExpressionRef> creation = {StringConstant(session, component)};
  const std::vector<ExpressionRef> written = ListArguments(*arguments);
  for (std::size_t k = 0; k < written.size(); ++k) {
    if (mirror) {
      creation.push_back(FunctionCall(session, "GetJointNumber", {written[k]}));
      creation.push_back(RealConstantExpression(session, 1.0));
    } else {
      creation.push_back(k % 2 == 0 ? FunctionCall(session, "GetJointNumber", {written[k]}) : written[k]);
    }
  }
  return Produce(session, result, MethodCall(session, "CreateFrame", creation), kFrameType);
}

bool AxisNameString(ParseSession& session, Expr*& result, Expr* axis) {
  if (axis->type != kAxisType || AsStructExpression(axis->expression) == nullptr) return Refuse(session);
  return Produce(session, result, MemberExpression(session, axis->expression, "Name"), kStringType);
}

bool StringLength(ParseSession& session, Expr*& result, Expr* text) {
  if (!IsBasicOfType(text, kStringType)) return Refuse(session);
  return Produce(session, result, FunctionCall(session, "STRLEN", {text->expression}), kIntType);
}

bool Substring(ParseSession& session, Expr*& result, Expr* text, Expr* start, Expr* length) {
  if (!IsBasicOfType(text, kStringType) || !IsBasicOfType(start, kIntType)) return Refuse(session);
  if (length == nullptr)
    return Produce(session, result, FunctionCall(session, "SUBSTR", {text->expression, start->expression}),
                   kStringType);
  if (!IsBasicOfType(length, kIntType)) return Refuse(session);
  return Produce(session, result,
                 FunctionCall(session, "SUBSTR", {text->expression, start->expression, length->expression}),
                 kStringType);
}

}  // namespace Velkor::OrvTessan
