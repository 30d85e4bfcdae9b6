// Variable references: plain names, R parameters, indexed variables and frame
// components.
#include "parser/actions/reference_actions.h"

#include "parser/actions/action_support.h"
#include "parser/actions/expression_helpers.h"
#include "parser/actions/reference_helpers.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

bool IsIndexType(std::int32_t type) {
  return type == kCharType || type == kIntType || type == kRealType || type == kAxisType;
}

bool HasFrameType(ParseSession& session, const ExpressionRef& frame) {
  SmartPointer<Orv::INCType> type;
  return frame && frame->GetResultType(type) == Orv::ORV_SUCCESS && type &&
         type->CompareType(session.host().frameType.get()) == 0;
}

// The element of frame component `component` for the axis: F[axis, TR].
bool ComponentElement(ParseSession& session, Expr& result, const ExpressionRef& frame, const Expr* axis,
                      const char* component) {
  if (!HasFrameType(session, frame) || AsStructExpression(axis->expression) == nullptr) return Refuse(session);
  HostObjects& host = session.host();
  ExpressionRef componentArray;
  host.lvalues->CreateFrameComponentExpression(frame.get(), component, componentArray);
  const ExpressionRef joint = JointNumber(session, MemberExpression(session, axis->expression, "Name"));
  Orv::INCExpression* indexes[] = {AsExpression(joint)};
  if (!componentArray || indexes[0] == nullptr) return Refuse(session);
  host.expressions->CreateElementExpression(componentArray.get(), 1, indexes, result.expression);
  if (!result.expression) return Refuse(session);
  result.type = kRealType;
  return true;
}

// A structure variable's type, told by the host types the parse looked up.
bool StructureType(ParseSession& session, const ExpressionRef& structure, std::int32_t& type) {
  SmartPointer<Orv::INCType> resultType;
  if (!structure || structure->GetResultType(resultType) != Orv::ORV_SUCCESS || !resultType) return false;
  if (resultType->CompareType(session.host().frameType.get()) == 0) {
    type = kFrameType;
  } else if (resultType->CompareType(session.host().axisType.get()) == 0) {
    type = kAxisType;
  } else {
    return false;
  }
  return true;
}

// A host function or controller method named without brackets.
bool NamedCall(ParseSession& session, Expr& result, const Orv::String& name) {
  HostObjects& host = session.host();
  host.expressions->CreateFunctionExpression(0, nullptr, name, result.expression);
  std::int32_t hostType = 0;
  if (result.expression && result.expression->GetType(hostType) == Orv::ORV_SUCCESS) {
    result.type = HostToParserType(hostType);
    return true;
  }
  // No basic result: the name stands for a structure (a FRAME or an AXIS).
  host.methodCalls->CreateMethodExpressionFromObjects(0, nullptr, name, result.expression);
  return StructureType(session, result.expression, result.type) || Refuse(session);
}

}  // namespace

bool PlainVariable(ParseSession& session, Expr*& result, const char* name) {
  HostObjects& host = session.host();
  const Orv::String hostName = name;
  result = session.arena().NewExpr();
  if (host.executionContext->IsDefined(hostName)) return NamedCall(session, *result, hostName);
  if (host.scope->CheckScalarVariable(hostName) == Orv::ORV_SUCCESS) {
    host.expressions->CreateVariableExpression(hostName, result->expression);
    std::int32_t hostType = -1;
    if (result->expression) result->expression->GetType(hostType);
    result->type = HostToParserType(hostType);
    return true;
  }
  if (host.scope->CheckStructVariable(hostName) != Orv::ORV_SUCCESS) {
    if (host.scope->CheckArrayVariable(hostName) != Orv::ORV_SUCCESS)
      return RefuseWith(session, kUndeclaredVariable, name);
    host.lvalues->CreateArrayExpression(hostName, result->expression);
    result->type = kArrayType;
    return true;
  }
  host.methodCalls->CreateStructVariableExpression(hostName, result->expression);
  return StructureType(session, result->expression, result->type) || Refuse(session);
}

bool RParameter(ParseSession& session, Expr*& result, std::int32_t number) {
  const ExpressionRef index = IntConstant(session, number);
  result = session.arena().NewExpr();
  return ResolveRParameter(session, index, *result) || RefuseWith(session, kUndeclaredVariable, kRParameters);
}

bool FrameComponent(ParseSession& session, Expr*& result, const char* name, Expr* axis, const char* component) {
  if (axis->type != kAxisType) return Refuse(session);
  HostObjects& host = session.host();
  const Orv::String hostName = name;
  ExpressionRef frame;
  if (host.executionContext->IsDefined(hostName)) {
    host.methodCalls->CreateMethodExpressionFromObjects(0, nullptr, hostName, frame);
  } else if (host.scope->CheckStructVariable(hostName) == Orv::ORV_SUCCESS) {
    host.methodCalls->CreateStructVariableExpression(hostName, frame);
  } else {
    return RefuseWith(session, kUndeclaredVariable, name);
  }
  result = session.arena().NewExpr();
  return ComponentElement(session, *result, frame, axis, component);
}

bool IndexedVariable(ParseSession& session, Expr*& result, const char* name, Expr* index) {
  if (!IsIndexType(index->type)) return RefuseWith(session, kWrongIndexType);
  ExpressionRef resolvedIndex = index->expression;
  if (index->type == kAxisType) {
    if (AsStructExpression(index->expression) == nullptr) return Refuse(session);
    resolvedIndex = JointNumber(session, MemberExpression(session, index->expression, "Name"));
  }
  result = session.arena().NewExpr();
  if (!ResolveVariableReference(session, name, 1, &resolvedIndex, *result))
    return RefuseWith(session, kUndeclaredVariable, name);
  result->firstIndex = index->expression;
  result->firstIndexType = index->type;
  return true;
}

bool FrameArrayComponent(ParseSession& session, Expr*& result, const char* name, Expr* index, Expr* axis,
                         const char* component) {
  if (!IsIndexType(index->type) || index->type == kAxisType || axis->type != kAxisType)
    return RefuseWith(session, kWrongIndexType);
  Expr element;
  if (!ResolveVariableReference(session, name, 1, &index->expression, element))
    return RefuseWith(session, kUndeclaredVariable, name);
  if (element.type != kFrameType) return RefuseWith(session, kWrongVariableType, name);
  if (AsStructExpression(element.expression) == nullptr) return Refuse(session);
  result = session.arena().NewExpr();
  if (!ComponentElement(session, *result, element.expression, axis, component)) return false;
  result->lvalue = element.lvalue;
  result->firstIndex = index->expression;
  result->firstIndexType = index->type;
  return true;
}

bool DoublyIndexedVariable(ParseSession& session, Expr*& result, const char* name, Expr* firstIndex,
                           Expr* secondIndex) {
  if (!IsIndexType(firstIndex->type) || !IsIndexType(secondIndex->type)) return RefuseWith(session, kWrongIndexType);
  const ExpressionRef indexes[] = {AxisIndexExpression(session, *firstIndex),
                                   AxisIndexExpression(session, *secondIndex)};
  if (!indexes[0] || !indexes[1]) return Refuse(session);
  result = session.arena().NewExpr();
  if (!ResolveVariableReference(session, name, 2, indexes, *result))
    return RefuseWith(session, kUndeclaredVariable, name);
  result->firstIndex = firstIndex->expression;
  result->firstIndexType = firstIndex->type;
  result->secondIndex = secondIndex->expression;
  result->secondIndexType = secondIndex->type;
  return true;
}

Expr* ValueOfReference(Expr* reference) {
  reference->DropReferenceParts();
  return reference;
}

}  // namespace Velkor::OrvTessan
