#include "expressions/expression_factories.h"

#include <span>
#include <utility>

#include "exact_type.h"
#include "expressions/call_nodes.h"
#include "expressions/constant_node.h"
#include "expressions/element_nodes.h"
#include "expressions/member_nodes.h"
#include "expressions/operator_nodes.h"
#include "expressions/variable_nodes.h"
#include "orvref/execution_context.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

using Kind = VariableScope::Variable::Kind;
using Result = SmartPointer<Orv::INCObjectExpression>;

constexpr Orv::TResult kRefused = 1;

// Inline: every factory call ends here.
[[gnu::always_inline]] inline Orv::TResult Made(Orv::INCObjectExpression* node, Result& result) {
  result = node;
  return Orv::ORV_SUCCESS;
}

// The declared type of a variable of that kind; null when there is none.
SmartPointer<Orv::INCType> DeclaredType(ExecutionContext& context, const Orv::String& name, Kind kind) {
  const VariableScope::Variable* variable = context.scope().Find(name);
  return variable && variable->kind == kind ? variable->type : nullptr;
}

SmartPointer<Orv::INCType> NameType(ExecutionContext& context, const Orv::String& name) {
  SmartPointer<Orv::INCType> type;
  context.GetNameType(name, type);
  return type;
}

// A count and an array of that many nodes: false for a negative count or a
// missing array.
bool IsNodeArray(std::int32_t count, const void* nodes) {
  return count >= 0 && (count == 0 || nodes != nullptr);
}

// The nodes of such an array, made in place in the node that keeps them.
// Null entries stay as absent nodes.
template <class Expression>
ExpressionList ListOf(std::int32_t count, Expression* const* nodes) {
  return ExpressionList(nodes, nodes + count);
}

Orv::TResult MakeCall(ExecutionContext& context, const char* keyword, ExpressionList arguments, const Orv::String& name,
                      Result& result) {
  return Made(new CallNode<ValueNode<Orv::INCExpression>>(keyword, name, std::move(arguments), NameType(context, name)),
              result);
}

Orv::TResult MakeMethod(ExecutionContext& context, const char* keyword, std::int32_t count,
                        Orv::INCObjectExpression* const* arguments, const Orv::String& name, Result& result) {
  if (!IsNodeArray(count, arguments)) return kRefused;
  SmartPointer<Orv::INCType> type = NameType(context, name);
  if (dynamic_cast<const Orv::INCStructType*>(type.get())) {
    return Made(new CallNode<Node<Orv::INCStructExpression>>(keyword, name, ListOf(count, arguments), type), result);
  }
  return Made(new CallNode<ValueNode<Orv::INCExpression>>(keyword, name, ListOf(count, arguments), type), result);
}

}  // namespace

Orv::TResult ExpressionFactory::CreateConstantExpression(Orv::INCValue* value, Result& result) {
  auto* basic = AsExactly<BasicValue>(value);
  if (basic == nullptr) return kRefused;
  return Made(new ConstantNode(basic), result);
}

Orv::TResult ExpressionFactory::CreateConversionExpression(Orv::INCExpression* operand, std::int32_t typeCode,
                                                           Result& result) {
  if (operand == nullptr || !IsBasicTypeCode(typeCode)) return kRefused;
  return Made(new ConversionNode(operand, typeCode), result);
}

Orv::TResult ExpressionFactory::CreateVariableExpression(const Orv::String& name, Result& result) {
  return Made(new VariableNode(name, DeclaredType(context_, name, Kind::kScalar), context_), result);
}

Orv::TResult ExpressionFactory::CreateElementExpression(Orv::INCObjectExpression* base, std::int32_t indexCount,
                                                        Orv::INCExpression* const* indices, Result& result) {
  if (base == nullptr || !IsNodeArray(indexCount, indices)) return kRefused;
  const std::span<Orv::INCExpression* const> indexNodes(indices, static_cast<std::size_t>(indexCount));
  return Made(new ElementNode(base, indexNodes, ElementTypeOf(*base), context_), result);
}

Orv::TResult ExpressionFactory::CreateMemberExpression(Orv::INCObjectExpression* structure, const Orv::String& member,
                                                       Result& result) {
  if (structure == nullptr) return kRefused;
  SmartPointer<Orv::INCType> type = MemberTypeOf(*structure, member);
  if (!dynamic_cast<const Orv::INCBasicType*>(type.get())) return kRefused;
  return Made(new MemberNode(structure, member, type, context_), result);
}

Orv::TResult ExpressionFactory::CreateUnaryExpression(Orv::INCExpression* operand, std::int32_t operatorCode,
                                                      Result& result) {
  if (operand == nullptr) return kRefused;
  return Made(new UnaryNode(operand, operatorCode), result);
}

Orv::TResult ExpressionFactory::CreateBinaryExpression(Orv::INCExpression* left, Orv::INCExpression* right,
                                                       std::int32_t operatorCode, Result& result) {
  if (left == nullptr || right == nullptr) return kRefused;
  return Made(new BinaryNode(left, right, operatorCode), result);
}

Orv::TResult ExpressionFactory::CreateFunctionExpression(std::int32_t argumentCount,
                                                         Orv::INCExpression* const* arguments, const Orv::String& name,
                                                         Result& result) {
  if (!IsNodeArray(argumentCount, arguments)) return kRefused;
  return MakeCall(context_, "call", ListOf(argumentCount, arguments), name, result);
}

Orv::TResult ExpressionFactory::CreateObjectFunctionExpression(std::int32_t argumentCount,
                                                               Orv::INCObjectExpression* const* arguments,
                                                               const Orv::String& name, Result& result) {
  if (!IsNodeArray(argumentCount, arguments)) return kRefused;
  return MakeCall(context_, "ocall", ListOf(argumentCount, arguments), name, result);
}

Orv::TResult LValueFactory::CreateArrayExpression(const Orv::String& name, Result& result) {
  return Made(new ArrayNode(name, DeclaredType(context_, name, Kind::kArray)), result);
}

Orv::TResult LValueFactory::CreateFrameComponentExpression(Orv::INCObjectExpression* frame,
                                                           const Orv::String& component, Result& result) {
  if (frame == nullptr) return kRefused;
  SmartPointer<Orv::INCType> type = MemberTypeOf(*frame, component);
  if (!dynamic_cast<const Orv::INCArrayType*>(type.get())) return kRefused;
  return Made(new FrameComponentNode(frame, component, type), result);
}

Orv::TResult MethodCallFactory::CreateMethodExpression(std::int32_t argumentCount,
                                                       Orv::INCObjectExpression* const* arguments,
                                                       const Orv::String& name, Result& result) {
  return MakeMethod(context_, "method", argumentCount, arguments, name, result);
}

Orv::TResult MethodCallFactory::CreateMethodExpressionFromObjects(std::int32_t argumentCount,
                                                                  Orv::INCObjectExpression* const* arguments,
                                                                  const Orv::String& name, Result& result) {
  return MakeMethod(context_, "omethod", argumentCount, arguments, name, result);
}

Orv::TResult MethodCallFactory::CreateStructVariableExpression(const Orv::String& name, Result& result) {
  return Made(new StructVariableNode(name, DeclaredType(context_, name, Kind::kStruct)), result);
}

Orv::TResult MethodCallFactory::CreateStructElementExpression(Orv::INCObjectExpression* array, std::int32_t indexCount,
                                                              Orv::INCExpression* const* indices, Result& result) {
  if (array == nullptr || !IsNodeArray(indexCount, indices)) return kRefused;
  return Made(new StructElementNode(array, ListOf(indexCount, indices), ElementTypeOf(*array)), result);
}

}  // namespace Velkor::OrvReference
