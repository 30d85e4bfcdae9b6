#include "expressions/variable_nodes.h"

#include "expressions/element_nodes.h"
#include "orvref/execution_context.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

using Kind = VariableScope::Variable::Kind;

void RenderNamed(const char* keyword, const Orv::String& name, std::string& out) {
  out += '(';
  out += keyword;
  out += ' ';
  out.append(name.data(), name.size());
  out += ')';
}

std::string Quoted(const Orv::String& name) {
  return "'" + std::string(name.data(), name.size()) + "'";
}

// A declared variable of that kind, in `frame` or where it is visible.
const VariableScope::Variable* Declared(Evaluation& evaluation, const Orv::String& name, Kind kind,
                                        std::optional<std::size_t> frame = std::nullopt) {
  if (evaluation.context() == nullptr) {
    evaluation.Fail("The variable " + Quoted(name) + " has no value before the program runs.");
    return nullptr;
  }
  const VariableScope& scope = evaluation.context()->scope();
  const VariableScope::Variable* variable = frame ? scope.FindIn(*frame, name) : scope.Find(name);
  if (variable == nullptr || variable->kind != kind) {
    evaluation.Fail("The variable " + Quoted(name) + " is not declared.");
    return nullptr;
  }
  return variable;
}

// The live value of a declared array or structure.
bool Look(Evaluation& evaluation, const Orv::String& name, Kind kind, SmartPointer<Orv::INCObject>& value) {
  const VariableScope::Variable* variable = Declared(evaluation, name, kind);
  if (variable == nullptr) return false;
  if (!variable->value) return evaluation.Fail("The array " + Quoted(name) + " has no elements.");
  value = variable->value;
  return true;
}

}  // namespace

VariableNode::VariableNode(Orv::String name, SmartPointer<Orv::INCType> type, ExecutionContext& context,
                           std::optional<std::size_t> frame)
    : LValueNode(ResultTypeOf(std::move(type)), context), name_(std::move(name)), frame_(frame) {}

void VariableNode::Render(std::string& out) const {
  RenderNamed("var", name_, out);
}

bool VariableNode::Compute(Evaluation& evaluation, SmartPointer<Orv::INCObject>& value) const {
  const VariableScope::Variable* variable = Declared(evaluation, name_, Kind::kScalar, frame_);
  if (variable == nullptr) return false;
  if (variable->reference) return ComputeNode(evaluation, variable->reference.get(), value);
  value = variable->value;
  return true;
}

bool VariableNode::Store(Evaluation& evaluation, Orv::INCValue* value) const {
  const VariableScope::Variable* variable = Declared(evaluation, name_, Kind::kScalar, frame_);
  if (variable == nullptr) return false;
  if (const auto* reference = dynamic_cast<const LValueNode*>(variable->reference.get())) {
    return reference->Store(evaluation, value);
  }
  return evaluation.context()->scope().AssignScalar(name_, value, frame_) ||
         evaluation.Fail("The value does not fit the variable " + Quoted(name_) + ".");
}

bool VariableNode::Bind(Evaluation& evaluation, SmartPointer<Orv::INCLValue>& bound) const {
  const VariableScope::Variable* variable = Declared(evaluation, name_, Kind::kScalar, frame_);
  if (variable == nullptr) return false;
  if (variable->reference) {
    bound = variable->reference;
    return true;
  }
  bound = new VariableNode(name_, variable->type, context(), frame_ ? frame_ : context().scope().FrameOf(name_));
  return true;
}

ArrayNode::ArrayNode(Orv::String name, SmartPointer<Orv::INCType> type)
    : Node(type), name_(std::move(name)), elementType_(ElementTypeOf(type.get())) {}

void ArrayNode::Render(std::string& out) const {
  RenderNamed("array", name_, out);
}

bool ArrayNode::Compute(Evaluation& evaluation, SmartPointer<Orv::INCObject>& value) const {
  return Look(evaluation, name_, Kind::kArray, value);
}

StructVariableNode::StructVariableNode(Orv::String name, SmartPointer<Orv::INCType> type)
    : Node(std::move(type)), name_(std::move(name)) {}

void StructVariableNode::Render(std::string& out) const {
  RenderNamed("struct", name_, out);
}

bool StructVariableNode::Compute(Evaluation& evaluation, SmartPointer<Orv::INCObject>& value) const {
  return Look(evaluation, name_, Kind::kStruct, value);
}

}  // namespace Velkor::OrvReference
