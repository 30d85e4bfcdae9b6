// Structure types: named members in declared order, and the default value
// that new structures copy.
#pragma once

#include <vector>

#include "orv/base.h"
#include "orv/types.h"
#include "orv/values.h"
#include "values/basic_type.h"

namespace Velkor::OrvReference {

class StructType final : public Orv::INCStructType {
 public:
  struct Member {
    Orv::String name;
    Orv::SmartPointer<Orv::INCType> type;
  };

  explicit StructType(std::vector<Member> members) : members_(std::move(members)) {}

  // A structure type is the same type only as itself.
  std::int32_t CompareType(const Orv::INCType* other) const override { return other == this ? 0 : 1; }
  // A deep copy of the default value: the one SetDefaultValue gave, or else
  // one built from the members' defaults.
  Orv::TResult CreateValue(Orv::SmartPointer<Orv::INCStruct>& value) const override;
  // Keeps a deep copy of a structure of this type.
  Orv::TResult SetDefaultValue(Orv::INCStruct* value) override;
  std::int32_t GetMemberCount() const override { return static_cast<std::int32_t>(members_.size()); }
  Orv::TResult GetMemberName(std::int32_t index, Orv::String& name) const override;
  Orv::TResult GetMemberType(std::int32_t index, Orv::SmartPointer<Orv::INCType>& type) const override;

  const std::vector<Member>& members() const { return members_; }
  // The position of the member, or -1.
  int MemberIndex(const Orv::String& name) const;

 private:
  std::vector<Member> members_;
  // The members of the default value; empty until SetDefaultValue. Only the
  // members are kept: a whole structure would hold its type and so itself.
  std::vector<Orv::SmartPointer<Orv::INCObject>> defaultMembers_;
};

}  // namespace Velkor::OrvReference
