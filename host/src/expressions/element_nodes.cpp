#include "expressions/element_nodes.h"

#include "evaluation/operators.h"
#include "exact_type.h"
#include "expressions/constant_node.h"
#include "expressions/object_node.h"
#include "expressions/variable_nodes.h"
#include "values/array_type.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

// The array and the element's indices, each index converted to INT.
bool Locate(Evaluation& evaluation, const Orv::INCObjectExpression* arrayNode, const ExpressionList& indexNodes,
            SmartPointer<Orv::INCArray>& array, std::vector<std::int32_t>& indices) {
  SmartPointer<Orv::INCObject> computed;
  if (!ComputeNode(evaluation, arrayNode, computed)) return false;
  array = Orv::DynamicPointerCast<Orv::INCArray>(computed);
  if (!array) return evaluation.Fail("Only an array has elements.");
  for (const auto& indexNode : indexNodes) {
    SmartPointer<BasicValue> index, integer;
    if (!ComputeBasicValue(evaluation, indexNode.get(), index) ||
        !ApplyConversion(evaluation, index, Orv::BasicType::Int, integer)) {
      return false;
    }
    indices.push_back(std::get<std::int32_t>(integer->payload()));
  }
  return true;
}

bool Element(Evaluation& evaluation, const Orv::INCObjectExpression* arrayNode, const ExpressionList& indexNodes,
             SmartPointer<Orv::INCObject>& value) {
  SmartPointer<Orv::INCArray> array;
  std::vector<std::int32_t> indices;
  if (!Locate(evaluation, arrayNode, indexNodes, array, indices)) return false;
  return array->GetElement(static_cast<std::int32_t>(indices.size()), indices.data(), value) == Orv::ORV_SUCCESS ||
         evaluation.Fail("Array bounds exceeded.");
}

void RenderElement(const char* keyword, const Orv::INCObjectExpression* array, const ExpressionList& indices,
                   std::string& out) {
  out += '(';
  out += keyword;
  out += ' ';
  RenderObject(array, out);
  RenderEach(indices, out);
  out += ')';
}

}  // namespace

ResultType ElementTypeOf(const Orv::INCType* arrayType) {
  SmartPointer<Orv::INCType> elementType;
  const auto* type = AsInterface<const Orv::INCArrayType, const ArrayType>(arrayType);
  if (type == nullptr || type->GetElementType(elementType) != Orv::ORV_SUCCESS) return {};
  return ResultTypeOf(std::move(elementType));
}

ResultType ElementTypeOf(const Orv::INCObjectExpression& array) {
  // Most elements are of array variables, whose node has found the type
  // already (compared by type identity: a failing dynamic_cast costs more).
  if (&typeid(array) == &typeid(ArrayNode)) return static_cast<const ArrayNode&>(array).elementType();
  SmartPointer<Orv::INCType> arrayType;
  if (array.GetResultType(arrayType) != Orv::ORV_SUCCESS) return {};
  return ElementTypeOf(arrayType.get());
}

void ElementNode::Render(std::string& out) const {
  RenderElement("elem", array_.get(), indices_, out);
}

bool ElementNode::Compute(Evaluation& evaluation, SmartPointer<Orv::INCObject>& value) const {
  return Element(evaluation, array_.get(), indices_, value);
}

bool ElementNode::Store(Evaluation& evaluation, Orv::INCValue* value) const {
  SmartPointer<Orv::INCArray> array;
  std::vector<std::int32_t> indices;
  if (!Locate(evaluation, array_.get(), indices_, array, indices)) return false;
  return array->SetElement(static_cast<std::int32_t>(indices.size()), indices.data(), value) == Orv::ORV_SUCCESS ||
         evaluation.Fail("The value does not fit the element, or the element lies outside the array.");
}

bool ElementNode::Bind(Evaluation& evaluation, SmartPointer<Orv::INCLValue>& bound) const {
  SmartPointer<Orv::INCArray> array;
  std::vector<std::int32_t> indices;
  if (!Locate(evaluation, array_.get(), indices_, array, indices)) return false;
  ExpressionList fixedIndices;
  for (const std::int32_t index : indices) fixedIndices.emplace_back(new ConstantNode(BasicValue::Int(index)));
  SmartPointer<Orv::INCType> elementType;
  GetResultType(elementType);
  bound = new ElementNode(new ObjectNode(array), fixedIndices, ResultTypeOf(std::move(elementType)), context());
  return true;
}

StructElementNode::StructElementNode(SmartPointer<Orv::INCObjectExpression> array, ExpressionList indices,
                                     ResultType elementType)
    : Node(std::move(elementType)), array_(std::move(array)), indices_(std::move(indices)) {}

void StructElementNode::Render(std::string& out) const {
  RenderElement("selem", array_.get(), indices_, out);
}

bool StructElementNode::Compute(Evaluation& evaluation, SmartPointer<Orv::INCObject>& value) const {
  return Element(evaluation, array_.get(), indices_, value);
}

}  // namespace Velkor::OrvReference
