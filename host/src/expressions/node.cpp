#include "expressions/node.h"

#include <typeinfo>

#include "expressions/constant_node.h"
#include "expressions/element_nodes.h"
#include "expressions/operator_nodes.h"
#include "expressions/variable_nodes.h"
#include "orv/matrix.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

// The node when `object` is exactly one of `Nodes`, told by the identity of
// its type information; null when it is none of them (or when its type
// information is another copy of theirs).
template <class... Nodes>
const HostNode* OneOf(const Orv::INCObject& object) {
  const std::type_info* type = &typeid(object);
  const HostNode* node = nullptr;
  static_cast<void>(((type == &typeid(Nodes) && (node = static_cast<const Nodes*>(&object))) || ...));
  return node;
}

}  // namespace

// A cross cast from INCObject to HostNode walks the class hierarchy and
// compares type names as strings on the way; the nodes that parsing makes
// most are recognised first by a pointer comparison.
const HostNode* AsHostNode(const Orv::INCObject* object) {
  if (object == nullptr) return nullptr;
  if (const HostNode* node =
          OneOf<ConstantNode, ConversionNode, BinaryNode, UnaryNode, ElementNode, ArrayNode, VariableNode>(*object)) {
    return node;
  }
  return dynamic_cast<const HostNode*>(object);
}

void RenderObject(const Orv::INCObject* object, std::string& out) {
  if (object == nullptr) {
    out += '_';
  } else if (const HostNode* node = AsHostNode(object)) {
    node->Render(out);
  } else if (dynamic_cast<const Orv::NCMCLMatrix*>(object)) {
    out += "MATRIX";
  } else if (dynamic_cast<const Orv::INCArray*>(object)) {
    out += "ARRAY";
  } else if (dynamic_cast<const Orv::INCStruct*>(object)) {
    out += "STRUCT";
  } else {
    out += "OBJECT";
  }
}

bool ComputeNode(Evaluation& evaluation, const Orv::INCObject* node, SmartPointer<Orv::INCObject>& value) {
  value.reset();
  if (node == nullptr) return true;
  const HostNode* hostNode = AsHostNode(node);
  if (hostNode == nullptr) return evaluation.Fail("The expression was not made by this host.");
  return hostNode->Compute(evaluation, value);
}

bool ComputeBasicValue(Evaluation& evaluation, const Orv::INCObject* node, SmartPointer<BasicValue>& value) {
  SmartPointer<Orv::INCObject> computed;
  if (!ComputeNode(evaluation, node, computed)) return false;
  value = Orv::DynamicPointerCast<BasicValue>(computed);
  if (value) return true;
  std::string form;
  RenderObject(node, form);
  return evaluation.Fail(form + " has no basic value.");
}

void RenderEach(const ExpressionList& nodes, std::string& out) {
  for (const auto& node : nodes) {
    out += ' ';
    RenderObject(node.get(), out);
  }
}

Orv::TResult ComputeValue(const HostNode& node, ExecutionContext* context, SmartPointer<Orv::INCValue>& value) {
  Evaluation evaluation(context);
  SmartPointer<Orv::INCObject> result;
  if (!node.Compute(evaluation, result)) return 1;
  value = Orv::DynamicPointerCast<Orv::INCValue>(result);
  return value ? Orv::ORV_SUCCESS : 1;
}

Orv::TResult LValueNode::GetValue(SmartPointer<Orv::INCValue>& value) const {
  return ComputeValue(*this, &context_, value);
}

Orv::TResult LValueNode::Assign(Orv::INCValue* value) {
  Evaluation evaluation(&context_);
  return value != nullptr && Store(evaluation, value) ? Orv::ORV_SUCCESS : 1;
}

}  // namespace Velkor::OrvReference
