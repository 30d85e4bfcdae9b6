#include "values/struct_value.h"

#include <typeinfo>

#include "exact_type.h"
#include "values/array_value.h"
#include "values/basic_value.h"
#include "values/storage.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

constexpr Orv::TResult kRefused = 1;

std::uint64_t ChangesOf(const Orv::INCObject* member) {
  // Type identities first: dynamic_cast compares type names as strings.
  if (member == nullptr || &typeid(*member) == &typeid(BasicValue)) return 0;
  if (const auto* array = AsExactly<const ArrayValue>(member)) return array->Changes();
  if (const auto* structure = dynamic_cast<const StructValue*>(member)) return structure->Changes();
  return 0;
}

// Passes the SetUpdating calls on to the structure's record.
class UpdateHandle final : public Orv::IUpdateHandle {
 public:
  explicit UpdateHandle(StructValue* structure) : structure_(structure) {}
  void SetUpdating(bool updating) override { structure_->RecordUpdating(updating); }

 private:
  SmartPointer<StructValue> structure_;
};

}  // namespace

StructValue::StructValue(SmartPointer<StructType> type, std::vector<SmartPointer<Orv::INCObject>> members)
    : type_(std::move(type)), members_(std::move(members)) {}

Orv::TResult StructValue::GetType(SmartPointer<Orv::INCType>& type) const {
  type = type_;
  return Orv::ORV_SUCCESS;
}

Orv::TResult StructValue::GetMember(const Orv::String& name, SmartPointer<Orv::INCObject>& member) {
  const int index = type_->MemberIndex(name);
  if (index < 0) return kRefused;
  member = members_[static_cast<std::size_t>(index)];
  return Orv::ORV_SUCCESS;
}

Orv::TResult StructValue::SetMember(const Orv::String& name, Orv::INCObject* value) {
  const int index = type_->MemberIndex(name);
  if (index < 0) return kRefused;
  const auto position = static_cast<std::size_t>(index);
  SmartPointer<Orv::INCObject> stored = StoredCopy(*type_->members()[position].type, value);
  if (!stored) return kRefused;
  replacedChanges_ += ChangesOf(members_[position].get()) + 1;
  members_[position] = std::move(stored);
  return Orv::ORV_SUCCESS;
}

Orv::TResult StructValue::Clone(SmartPointer<Orv::INCObject>& copy) const {
  copy = Copy();
  return Orv::ORV_SUCCESS;
}

SmartPointer<StructValue> StructValue::Copy() const {
  std::vector<SmartPointer<Orv::INCObject>> members;
  members.reserve(members_.size());
  for (const auto& member : members_) members.push_back(DeepCopy(member.get()));
  return new StructValue(type_, std::move(members));
}

bool StructValue::AssignFrom(const StructValue& source) {
  if (source.type_.get() != type_.get()) return false;
  for (std::size_t i = 0; i < members_.size(); ++i) {
    replacedChanges_ += ChangesOf(members_[i].get()) + 1;
    members_[i] = DeepCopy(source.members_[i].get());
  }
  return true;
}

std::uint64_t StructValue::Changes() const {
  std::uint64_t changes = replacedChanges_;
  for (const auto& member : members_) changes += ChangesOf(member.get());
  return changes;
}

Orv::TResult StructValue::GetUpdateHandle(SmartPointer<Orv::IUpdateHandle>& handle) {
  handle = new UpdateHandle(this);
  return Orv::ORV_SUCCESS;
}

}  // namespace Velkor::OrvReference
