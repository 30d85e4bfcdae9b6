#include "parser/actions/reference_helpers.h"

#include <array>

#include "parser/actions/action_support.h"
#include "parser/actions/expression_helpers.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

bool IsSameType(const SmartPointer<Orv::INCType>& type, const SmartPointer<Orv::INCStructType>& known) {
  return type && known && type->CompareType(known.get()) == 0;
}

// A reference has at most two indexes: A[I] or A[I, J].
constexpr std::int32_t kMostIndexes = 2;
template <class Index>
using IndexArray = std::array<Index*, kMostIndexes>;

IndexArray<Orv::INCExpression> BasicIndexes(std::int32_t count, const ExpressionRef* indexes) {
  IndexArray<Orv::INCExpression> basics{};
  for (std::int32_t i = 0; i < count; ++i) basics[static_cast<std::size_t>(i)] = AsExpression(indexes[i]);
  return basics;
}

// A host function or controller method: the bracket contents are its
// arguments.
bool ResolveCall(ParseSession& session, const Orv::String& name, std::int32_t count, const ExpressionRef* indexes,
                 Expr& result) {
  HostObjects& host = session.host();
  SmartPointer<Orv::INCType> type;
  host.executionContext->GetNameType(name, type);
  if (auto* basic = session.state.typeKinds.As<Orv::INCBasicType>(type.get())) {
    const IndexArray<Orv::INCExpression> arguments = BasicIndexes(count, indexes);
    host.expressions->CreateFunctionExpression(count, arguments.data(), name, result.expression);
    result.type = HostToParserType(basic->GetTypeCode());
    return true;
  }
  if (IsSameType(type, host.frameType)) {
    result.type = kFrameType;
  } else if (IsSameType(type, host.axisType)) {
    result.type = kAxisType;
  } else {
    return false;
  }
  IndexArray<Orv::INCObjectExpression> arguments{};
  for (std::int32_t i = 0; i < count; ++i) arguments[static_cast<std::size_t>(i)] = indexes[i].get();
  host.methodCalls->CreateMethodExpression(count, arguments.data(), name, result.expression);
  return true;
}

// An index on a plain variable: a character of a STRING, or nothing usable.
bool ResolveScalar(ParseSession& session, const Orv::String& name, std::int32_t count, const ExpressionRef* indexes,
                   Expr& result) {
  std::int32_t hostType = -1;
  result.variable->GetType(hostType);
  if (hostType != Orv::BasicType::String || count != 1) return true;
  session.host().expressions->CreateVariableExpression(name, result.variable);
  const ExpressionRef character =
      FunctionCall(session, "SUBSTR", {result.variable, indexes[0], IntConstant(session, 1)});
  result.expression = ConvertExpression(session, character, Orv::BasicType::Char);
  result.type = kCharType;
  return true;
}

// An element of basic type: the element expression on `array` and its type.
void BasicElement(ParseSession& session, const ExpressionRef& array, std::int32_t elementType, std::int32_t count,
                  const ExpressionRef* indexes, Expr& result) {
  const IndexArray<Orv::INCExpression> basics = BasicIndexes(count, indexes);
  session.host().expressions->CreateElementExpression(array.get(), count, basics.data(), result.expression);
  result.type = elementType;
}

bool ResolveArrayElement(ParseSession& session, const Orv::String& name, const SmartPointer<Orv::INCArray>& array,
                         std::int32_t count, const ExpressionRef* indexes, Expr& result) {
  HostObjects& host = session.host();
  host.lvalues->CreateArrayExpression(name, result.lvalue);
  SmartPointer<Orv::INCType> arrayType;
  array->GetType(arrayType);
  SmartPointer<Orv::INCType> elementType;
  TypeKinds& kinds = session.state.typeKinds;
  if (auto* type = kinds.As<Orv::INCArrayType>(arrayType.get())) type->GetElementType(elementType);
  if (auto* basic = kinds.As<Orv::INCBasicType>(elementType.get())) {
    BasicElement(session, result.lvalue, HostToParserType(basic->GetTypeCode()), count, indexes, result);
    return true;
  }
  const IndexArray<Orv::INCExpression> basics = BasicIndexes(count, indexes);
  if (IsSameType(elementType, host.frameType)) {
    result.type = kFrameType;
  } else if (IsSameType(elementType, host.axisType)) {
    result.type = kAxisType;
  } else {
    result.expression.reset();
    result.type = kIntType;
    return false;
  }
  host.methodCalls->CreateStructElementExpression(result.lvalue.get(), count, basics.data(), result.expression);
  return true;
}

}  // namespace

bool ResolveVariableReference(ParseSession& session, std::string_view name, std::int32_t indexCount,
                              const SmartPointer<Orv::INCObjectExpression>* indexes, Expr& result) {
  if (indexCount < 0 || indexCount > kMostIndexes) return false;
  HostObjects& host = session.host();
  const Orv::String hostName = HostText(name);
  if (host.executionContext->IsDefined(hostName)) return ResolveCall(session, hostName, indexCount, indexes, result);

  SmartPointer<Orv::INCLValue> variable;
  if (host.scope->GetScalarVariable(hostName, variable) == Orv::ORV_SUCCESS && variable) {
    result.variable = variable;
    return ResolveScalar(session, hostName, indexCount, indexes, result);
  }
  SmartPointer<Orv::INCArray> array;
  if (host.scope->GetArrayVariable(hostName, array) == Orv::ORV_SUCCESS && array)
    return ResolveArrayElement(session, hostName, array, indexCount, indexes, result);
  return false;
}

bool ResolveRParameter(ParseSession& session, const ExpressionRef& index, Expr& result) {
  ParseArena::ResolvedArray& resolved = session.arena().rParameters;
  if (resolved.array) {
    BasicElement(session, resolved.array, resolved.elementType, 1, &index, result);
    return true;
  }
  if (!ResolveVariableReference(session, kRParameters, 1, &index, result)) return false;
  // Only an array of basic elements is kept (an array leaves its lvalue, and
  // only structure elements are FRAMEs or AXISes): a function, a STRING or
  // an array of structures is resolved again each time.
  const bool basicElements = result.lvalue && result.type != kFrameType && result.type != kAxisType;
  if (basicElements) resolved = {result.lvalue, result.type};
  result.DropReferenceParts();
  return true;
}

}  // namespace Velkor::OrvTessan
