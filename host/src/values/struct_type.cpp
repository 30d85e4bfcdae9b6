#include "values/struct_type.h"

#include "same_name.h"
#include "values/storage.h"
#include "values/struct_value.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {
constexpr Orv::TResult kRefused = 1;
}  // namespace

Orv::TResult StructType::CreateValue(SmartPointer<Orv::INCStruct>& value) const {
  std::vector<SmartPointer<Orv::INCObject>> members;
  members.reserve(members_.size());
  for (std::size_t i = 0; i < members_.size(); ++i) {
    SmartPointer<Orv::INCObject> member =
        defaultMembers_.empty() ? DefaultValue(*members_[i].type) : DeepCopy(defaultMembers_[i].get());
    if (!member) return kRefused;
    members.push_back(std::move(member));
  }
  // The value holds its type; counting references is no change to the type.
  value = new StructValue(const_cast<StructType*>(this), std::move(members));
  return Orv::ORV_SUCCESS;
}

Orv::TResult StructType::SetDefaultValue(Orv::INCStruct* value) {
  const auto* structure = dynamic_cast<const StructValue*>(value);
  if (structure == nullptr || &structure->type() != this) return kRefused;
  std::vector<SmartPointer<Orv::INCObject>> members;
  for (const auto& member : structure->members()) members.push_back(DeepCopy(member.get()));
  defaultMembers_ = std::move(members);
  return Orv::ORV_SUCCESS;
}

Orv::TResult StructType::GetMemberName(std::int32_t index, Orv::String& name) const {
  if (index < 0 || index >= GetMemberCount()) return kRefused;
  name = members_[static_cast<std::size_t>(index)].name;
  return Orv::ORV_SUCCESS;
}

Orv::TResult StructType::GetMemberType(std::int32_t index, SmartPointer<Orv::INCType>& type) const {
  if (index < 0 || index >= GetMemberCount()) return kRefused;
  type = members_[static_cast<std::size_t>(index)].type;
  return Orv::ORV_SUCCESS;
}

int StructType::MemberIndex(const Orv::String& name) const {
  for (std::size_t i = 0; i < members_.size(); ++i) {
    if (SameName(members_[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace Velkor::OrvReference
