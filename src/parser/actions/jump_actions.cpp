// Jumps to labels: label expressions, GOTO, GOTOF, GOTOB and CASE.
#include "parser/actions/jump_actions.h"

#include "parser/actions/action_support.h"
#include "parser/actions/expression_operators.h"
#include "parser/actions/statement_support.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

// FRAME or AXIS for a structure expression of one of those types.
bool StructureTypeOf(ParseSession& session, const ExpressionRef& structure, std::int32_t& type) {
  SmartPointer<Orv::INCType> resultType;
  if (!structure || structure->GetResultType(resultType) != Orv::ORV_SUCCESS || !resultType) return false;
  const HostObjects& host = session.host();
  if (host.frameType && resultType->CompareType(host.frameType.get()) == 0) {
    type = kFrameType;
    return true;
  }
  if (host.axisType && resultType->CompareType(host.axisType.get()) == 0) {
    type = kAxisType;
    return true;
  }
  return false;
}

bool BasicResultOf(const ExpressionRef& expression, std::int32_t& type) {
  std::int32_t hostType = 0;
  if (!expression || expression->GetType(hostType) != Orv::ORV_SUCCESS) return false;
  type = HostToParserType(hostType);
  return true;
}

}  // namespace

// A name after a jump keyword computes the label when the host knows it as a
// function or a variable; any other name is the label itself.
bool LabelName(ParseSession& session, Expr*& result, const char* name) {
  HostObjects& host = session.host();
  const Orv::String hostName = HostText(name);
  std::int32_t type = kIntType;
  if (host.executionContext->IsDefined(hostName)) {
    const ExpressionRef call = FunctionCall(session, name, {});
    if (!BasicResultOf(call, type)) return Refuse(session);
    result = NewExpr(session, call, type);
    return true;
  }
  if (host.scope->CheckScalarVariable(hostName) == Orv::ORV_SUCCESS) {
    ExpressionRef variable;
    host.expressions->CreateVariableExpression(hostName, variable);
    if (!BasicResultOf(variable, type)) return Refuse(session);
    // A REAL variable holds a label number; rounded, it prints as an integer.
    result = NewExpr(session, type == kRealType ? UnaryExpression(session, variable, kRoundOperator) : variable, type);
    return true;
  }
  if (host.scope->CheckStructVariable(hostName) != Orv::ORV_SUCCESS) {
    result = NewExpr(session, StringConstant(session, name), kStringType);
    return true;
  }
  ExpressionRef structure;
  host.methodCalls->CreateStructVariableExpression(hostName, structure);
  if (!StructureTypeOf(session, structure, type)) return Refuse(session);
  result = NewExpr(session, structure, type);
  return true;
}

bool PrefixLabelConcatenation(ParseSession& session, Expr*& result, Expr* operand) {
  return PrefixConcatenation(session, result, operand);
}

bool LabelConcatenation(ParseSession& session, Expr*& result, Expr* left, Expr* right) {
  return Concatenation(session, result, left, right);
}

bool Goto(ParseSession& session, std::int32_t direction, Expr* label) {
  Orv::INCExpression* target = AsExpression(label->expression);
  if (label->type != kStringType || target == nullptr) return Refuse(session);
  session.context->AddGoto(target, direction, 1);
  return true;
}

// The selector is compared as an integer with the value of every branch.
bool CaseSelector(ParseSession& session, Expr* selector) {
  ExpressionRef value = selector->expression;
  if (selector->type != kIntType) value = ConvertExpression(session, value, Orv::BasicType::Int);
  if (!value) return Refuse(session);
  session.state.statement.caseSelector = value;
  return true;
}

bool CaseBranch(ParseSession& session, std::int32_t value, std::int32_t direction, const char* label) {
  const ExpressionRef matches =
      MakeBinaryExpression(session, session.state.statement.caseSelector, IntConstant(session, value), kEqualOperator);
  if (!matches) return Refuse(session);
  const ExpressionRef target = StringConstant(session, label);
  session.context->AddConditionalGoto(AsExpression(matches), AsExpression(target), direction);
  return true;
}

bool CaseDefault(ParseSession& session, std::int32_t direction, const char* label) {
  const ExpressionRef target = StringConstant(session, label);
  session.context->AddGoto(AsExpression(target), direction, 1);
  return true;
}

}  // namespace Velkor::OrvTessan
