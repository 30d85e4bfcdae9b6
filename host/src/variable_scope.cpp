#include "orvref/variable_scope.h"

#include "expressions/variable_nodes.h"
#include "values/basic_value.h"
#include "values/storage.h"

namespace Velkor::OrvReference {
namespace {
constexpr Orv::TResult kRefused = 1;
}  // namespace

VariableScope::VariableScope(ExecutionContext& context) : context_(context) {}
VariableScope::~VariableScope() = default;

const VariableScope::Variable* VariableScope::Find(const Orv::String& name) const {
  const auto found = variables_.find(name);
  return found == variables_.end() ? nullptr : &found->second;
}

const VariableScope::Variable* VariableScope::Find(const Orv::String& name, Variable::Kind kind) const {
  const Variable* variable = Find(name);
  return variable && variable->kind == kind ? variable : nullptr;
}

Orv::TResult VariableScope::Check(const Orv::String& name, Variable::Kind kind) const {
  return Find(name, kind) ? Orv::ORV_SUCCESS : kRefused;
}

Orv::TResult VariableScope::GetScalarVariable(const Orv::String& name, Orv::SmartPointer<Orv::INCLValue>& variable) {
  const Variable* scalar = Find(name, Variable::Kind::kScalar);
  if (scalar == nullptr) return kRefused;
  variable = new VariableNode(name, scalar->type, context_);
  return Orv::ORV_SUCCESS;
}

Orv::TResult VariableScope::GetArrayVariable(const Orv::String& name, Orv::SmartPointer<Orv::INCArray>& array) {
  const Variable* variable = Find(name, Variable::Kind::kArray);
  if (variable == nullptr || !variable->value) return kRefused;
  array = Orv::DynamicPointerCast<Orv::INCArray>(variable->value);
  return Orv::ORV_SUCCESS;
}

Orv::TResult VariableScope::GetStructVariable(const Orv::String& name, Orv::SmartPointer<Orv::INCStruct>& structure) {
  const Variable* variable = Find(name, Variable::Kind::kStruct);
  if (variable == nullptr) return kRefused;
  structure = Orv::DynamicPointerCast<Orv::INCStruct>(variable->value);
  return Orv::ORV_SUCCESS;
}

Orv::TResult VariableScope::DeclareScalar(const Orv::String& name, std::int32_t typeCode) {
  return DeclareScalar(name, BasicValue::Zero(typeCode).get());
}

Orv::TResult VariableScope::DeclareScalar(const Orv::String& name, Orv::INCValue* value) {
  Orv::SmartPointer<Orv::INCType> type;
  if (value == nullptr || value->GetType(type) != Orv::ORV_SUCCESS) return kRefused;
  variables_[name] = {Variable::Kind::kScalar, type, value};
  return Orv::ORV_SUCCESS;
}

Orv::TResult VariableScope::DeclareArray(const Orv::String& name, Orv::INCArrayType* type) {
  Orv::SmartPointer<Orv::INCObject> value;
  if (type && type->CreateValue(value) != Orv::ORV_SUCCESS) return kRefused;
  variables_[name] = {Variable::Kind::kArray, type, value};
  return Orv::ORV_SUCCESS;
}

Orv::TResult VariableScope::DeclareStruct(const Orv::String& name, Orv::INCStructType* type) {
  Orv::SmartPointer<Orv::INCStruct> value;
  if (type == nullptr || type->CreateValue(value) != Orv::ORV_SUCCESS) return kRefused;
  variables_[name] = {Variable::Kind::kStruct, type, value};
  return Orv::ORV_SUCCESS;
}

bool VariableScope::AssignScalar(const Orv::String& name, Orv::INCValue* value) {
  const auto found = variables_.find(name);
  if (found == variables_.end() || found->second.kind != Variable::Kind::kScalar) return false;
  Orv::SmartPointer<Orv::INCObject> stored = StoredCopy(*found->second.type, value);
  if (!stored) return false;
  found->second.value = std::move(stored);
  return true;
}

}  // namespace Velkor::OrvReference
