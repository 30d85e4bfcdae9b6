#include "orvref/variable_scope.h"

#include <functional>
#include <string_view>

#include "exact_type.h"
#include "expressions/variable_nodes.h"
#include "same_name.h"
#include "values/array_type.h"
#include "values/array_value.h"
#include "values/basic_value.h"
#include "values/storage.h"

namespace Velkor::OrvReference {
namespace {

constexpr Orv::TResult kRefused = 1;

using Variable = VariableScope::Variable;

std::uint64_t Mix(std::uint64_t value) {
  value ^= value >> 33;
  value *= 0xff51afd7ed558ccdULL;
  value ^= value >> 33;
  value *= 0xc4ceb9fe1a85ec53ULL;
  return value ^ (value >> 33);
}

// Equal for types a parser reads alike: the same basic type, the same
// structure type, arrays of the same sizes of such elements.
std::uint64_t TypeDigest(const Orv::INCType* type) {
  std::int32_t code = 0;
  if (type == nullptr) return Mix(1);
  if (BasicTypeCode(type, code)) return Mix(2 + static_cast<std::uint64_t>(code));
  if (const auto* array = dynamic_cast<const ArrayType*>(type)) {
    std::uint64_t digest = Mix(3 + TypeDigest(&array->elementType()));
    for (const std::int32_t size : array->sizes()) digest = Mix(digest + static_cast<std::uint32_t>(size));
    return digest;
  }
  return Mix(reinterpret_cast<std::uintptr_t>(type));
}

std::uint64_t NameDigest(const Orv::String& name) {
  return std::hash<std::string_view>()(std::string_view(name.data(), name.size()));
}

std::uint64_t EntryDigest(std::uint64_t nameDigest, const Variable& variable) {
  return Mix(nameDigest + Mix(static_cast<std::uint64_t>(variable.kind) + TypeDigest(variable.type.get())));
}

}  // namespace

VariableScope::VariableScope(ExecutionContext& context) : context_(context), frames_(1) {}
VariableScope::~VariableScope() = default;

const VariableScope::Frame::Variables::value_type* VariableScope::EntryIn(std::size_t frame,
                                                                          const Orv::String& name) const {
  if (frame >= frames_.size()) return nullptr;
  const auto found = frames_[frame].variables.find(name);
  return found == frames_[frame].variables.end() ? nullptr : &*found;
}

const Variable* VariableScope::FindIn(std::size_t frame, const Orv::String& name) const {
  const auto* entry = EntryIn(frame, name);
  return entry ? &entry->second : nullptr;
}

std::uint64_t VariableScope::Signature() const {
  // An empty local frame adds nothing.
  const std::uint64_t channel = frames_[kChannelFrame].signature;
  return frames_.size() == 1 ? channel : channel ^ frames_.back().signature;
}

std::optional<std::size_t> VariableScope::FrameOf(const Orv::String& name) const {
  const std::size_t innermost = frames_.size() - 1;
  if (innermost != kChannelFrame && FindIn(innermost, name)) return innermost;
  if (FindIn(kChannelFrame, name)) return kChannelFrame;
  return std::nullopt;
}

const Variable* VariableScope::Find(const Orv::String& name) const {
  if (lastFound_ != nullptr && SameName(lastFound_->first, name)) return &lastFound_->second;
  const std::size_t innermost = frames_.size() - 1;
  const auto* entry = innermost != kChannelFrame ? EntryIn(innermost, name) : nullptr;
  if (entry == nullptr) entry = EntryIn(kChannelFrame, name);
  if (entry == nullptr) return nullptr;
  lastFound_ = entry;
  return &entry->second;
}

const Variable* VariableScope::Find(const Orv::String& name, Variable::Kind kind) const {
  const Variable* variable = Find(name);
  return variable && variable->kind == kind ? variable : nullptr;
}

Variable* VariableScope::FindLocal(const Orv::String& name, Variable::Kind kind) {
  if (frames_.size() == 1) return nullptr;
  const auto found = frames_.back().variables.find(name);
  return found != frames_.back().variables.end() && found->second.kind == kind ? &found->second : nullptr;
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
  array = AsInterface<Orv::INCArray, ArrayValue>(variable->value.get());
  return Orv::ORV_SUCCESS;
}

Orv::TResult VariableScope::GetStructVariable(const Orv::String& name, Orv::SmartPointer<Orv::INCStruct>& structure) {
  const Variable* variable = Find(name, Variable::Kind::kStruct);
  if (variable == nullptr) return kRefused;
  structure = Orv::DynamicPointerCast<Orv::INCStruct>(variable->value);
  return Orv::ORV_SUCCESS;
}

void VariableScope::Replace(Frame& frame, const Orv::String& name, Variable& entry, Variable variable) {
  const std::uint64_t nameDigest = NameDigest(name);
  frame.signature ^= EntryDigest(nameDigest, entry) ^ EntryDigest(nameDigest, variable);
  entry = std::move(variable);
}

Orv::TResult VariableScope::Declare(const Orv::String& name, Variable variable, bool local) {
  Frame& frame = local ? frames_.back() : frames_[kChannelFrame];
  ForgetLastFound();
  const auto [found, added] = frame.variables.try_emplace(name, variable);
  if (added) {
    frame.signature ^= EntryDigest(NameDigest(name), variable);
  } else {
    Replace(frame, name, found->second, std::move(variable));
  }
  return Orv::ORV_SUCCESS;
}

Orv::TResult VariableScope::DeclareScalar(const Orv::String& name, std::int32_t typeCode, bool local) {
  return DeclareScalar(name, BasicValue::Zero(typeCode).get(), local);
}

Orv::TResult VariableScope::DeclareScalar(const Orv::String& name, Orv::INCValue* value, bool local) {
  Orv::SmartPointer<Orv::INCType> type;
  if (value == nullptr || value->GetType(type) != Orv::ORV_SUCCESS) return kRefused;
  return Declare(name, {Variable::Kind::kScalar, type, value, nullptr}, local);
}

Orv::TResult VariableScope::DeclareArray(const Orv::String& name, Orv::INCArrayType* type, bool local) {
  Orv::SmartPointer<Orv::INCObject> value;
  if (type && type->CreateValue(value) != Orv::ORV_SUCCESS) return kRefused;
  return Declare(name, {Variable::Kind::kArray, type, value, nullptr}, local);
}

Orv::TResult VariableScope::DeclareStruct(const Orv::String& name, Orv::INCStructType* type, bool local) {
  Orv::SmartPointer<Orv::INCStruct> value;
  if (type == nullptr || type->CreateValue(value) != Orv::ORV_SUCCESS) return kRefused;
  return Declare(name, {Variable::Kind::kStruct, type, value, nullptr}, local);
}

bool VariableScope::BindScalar(const Orv::String& name, Orv::SmartPointer<Orv::INCLValue> target) {
  Variable* variable = FindLocal(name, Variable::Kind::kScalar);
  if (variable == nullptr || !target) return false;
  variable->reference = std::move(target);
  return true;
}

bool VariableScope::BindObject(const Orv::String& name, Orv::INCObject* value, bool copy) {
  const bool isArray = dynamic_cast<Orv::INCArray*>(value) != nullptr;
  Variable* variable = FindLocal(name, isArray ? Variable::Kind::kArray : Variable::Kind::kStruct);
  auto* object = dynamic_cast<Orv::INCObjectValue*>(value);
  Orv::SmartPointer<Orv::INCType> type;
  if (variable == nullptr || object == nullptr || object->GetType(type) != Orv::ORV_SUCCESS) return false;
  // An array parameter takes the type of what it is bound to.
  if (!isArray && variable->type->CompareType(type.get()) != 0) return false;
  Replace(frames_.back(), name, *variable,
          {variable->kind, type, copy ? DeepCopy(value) : Orv::SmartPointer<Orv::INCObject>(value), nullptr});
  return true;
}

VariableScope::Frame VariableScope::CopiedFrame(const Frame& frame) {
  Frame copy = frame;
  for (auto& [name, variable] : copy.variables) variable.value = DeepCopy(variable.value.get());
  return copy;
}

void VariableScope::KeepAsSetup() {
  setup_ = CopiedFrame(frames_[kChannelFrame]);
  setupSwitches_ = switches_;
}

void VariableScope::ResetToSetup() {
  ForgetLastFound();
  frames_.resize(1);
  frames_[kChannelFrame] = CopiedFrame(setup_);
  switches_ = setupSwitches_;
}

void VariableScope::EnterLocalFrame() {
  ForgetLastFound();
  frames_.emplace_back();
}

void VariableScope::LeaveLocalFrame() {
  ForgetLastFound();
  if (frames_.size() > 1) frames_.pop_back();
}

bool VariableScope::AssignScalar(const Orv::String& name, Orv::INCValue* value, std::optional<std::size_t> frame) {
  if (!frame) frame = FrameOf(name);
  if (!frame) return false;
  const auto found = frames_[*frame].variables.find(name);
  if (found == frames_[*frame].variables.end() || found->second.kind != Variable::Kind::kScalar ||
      found->second.reference) {
    return false;
  }
  Orv::SmartPointer<Orv::INCObject> stored = StoredCopy(*found->second.type, value);
  if (!stored) return false;
  found->second.value = std::move(stored);
  return true;
}

}  // namespace Velkor::OrvReference
