#include "expressions/variable_nodes.h"

#include "orvref/execution_context.h"

namespace Velkor::OrvReference {
namespace {

using Kind = VariableScope::Variable::Kind;

void RenderNamed(const char* keyword, const Orv::String& name, std::string& out) {
  out += '(';
  out += keyword;
  out += ' ';
  out.append(name.data(), name.size());
  out += ')';
}

// The live value of a declared variable of that kind.
bool Look(Evaluation& evaluation, const Orv::String& name, Kind kind, SmartPointer<Orv::INCObject>& value) {
  const std::string quoted = "'" + std::string(name.data(), name.size()) + "'";
  if (evaluation.context() == nullptr)
    return evaluation.Fail("The variable " + quoted + " has no value before the program runs.");
  const VariableScope::Variable* variable = evaluation.context()->scope().Find(name);
  if (variable == nullptr || variable->kind != kind)
    return evaluation.Fail("The variable " + quoted + " is not declared.");
  if (!variable->value) return evaluation.Fail("The array " + quoted + " has no elements.");
  value = variable->value;
  return true;
}

}  // namespace

VariableNode::VariableNode(Orv::String name, SmartPointer<Orv::INCType> type, ExecutionContext& context)
    : LValueNode(std::move(type), context), name_(std::move(name)) {}

void VariableNode::Render(std::string& out) const {
  RenderNamed("var", name_, out);
}

bool VariableNode::Compute(Evaluation& evaluation, SmartPointer<Orv::INCObject>& value) const {
  return Look(evaluation, name_, Kind::kScalar, value);
}

bool VariableNode::Store(Evaluation& evaluation, Orv::INCValue* value) const {
  SmartPointer<Orv::INCObject> current;
  if (!Look(evaluation, name_, Kind::kScalar, current)) return false;
  return evaluation.context()->scope().AssignScalar(name_, value) ||
         evaluation.Fail("The value does not fit the variable '" + std::string(name_.data(), name_.size()) + "'.");
}

ArrayNode::ArrayNode(Orv::String name, SmartPointer<Orv::INCType> type)
    : Node(std::move(type)), name_(std::move(name)) {}

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
