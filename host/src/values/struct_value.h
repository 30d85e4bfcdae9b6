// Structure values: one live object per member, and a record of the
// SetUpdating calls made through their update handles.
#pragma once

#include <vector>

#include "orv/base.h"
#include "orv/types.h"
#include "orv/values.h"
#include "values/struct_type.h"

namespace Velkor::OrvReference {

class StructValue final : public Orv::INCStruct {
 public:
  StructValue(Orv::SmartPointer<StructType> type, std::vector<Orv::SmartPointer<Orv::INCObject>> members);

  Orv::TResult GetType(Orv::SmartPointer<Orv::INCType>& type) const override;
  Orv::TResult GetMember(const Orv::String& name, Orv::SmartPointer<Orv::INCObject>& member) override;
  // Stores a copy converted to the member's type (see StoredCopy).
  Orv::TResult SetMember(const Orv::String& name, Orv::INCObject* value) override;
  Orv::TResult Clone(Orv::SmartPointer<Orv::INCObject>& copy) const override;
  Orv::TResult GetUpdateHandle(Orv::SmartPointer<Orv::IUpdateHandle>& handle) override;

  const StructType& type() const { return *type_; }
  const std::vector<Orv::SmartPointer<Orv::INCObject>>& members() const { return members_; }
  Orv::SmartPointer<StructValue> Copy() const;
  // Gives every member a copy of the member of `source`, a structure of the
  // same type; false for a structure of another type.
  bool AssignFrom(const StructValue& source);
  // Grows with every change of a member or of an element of an array
  // member, so that watching a structure costs one call.
  std::uint64_t Changes() const;

  void RecordUpdating(bool updating) { updatingCalls_.push_back(updating); }
  const std::vector<bool>& updatingCalls() const { return updatingCalls_; }

 private:
  Orv::SmartPointer<StructType> type_;
  std::vector<Orv::SmartPointer<Orv::INCObject>> members_;
  std::vector<bool> updatingCalls_;
  // The changes of the members replaced so far, so that Changes() never
  // falls when a member is replaced by a fresh one.
  std::uint64_t replacedChanges_ = 0;
};

}  // namespace Velkor::OrvReference
