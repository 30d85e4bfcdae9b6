// Arrays of one or two dimensions, their elements stored row by row.
#pragma once

#include <vector>

#include "orv/base.h"
#include "orv/types.h"
#include "orv/values.h"
#include "values/array_type.h"

namespace Velkor::OrvReference {

class ArrayValue final : public Orv::INCArray {
 public:
  ArrayValue(Orv::SmartPointer<ArrayType> type, std::vector<Orv::SmartPointer<Orv::INCObject>> elements);

  Orv::TResult GetType(Orv::SmartPointer<Orv::INCType>& type) const override;
  // Both fail unless the index count is the dimension count and every index
  // lies within its dimension.
  Orv::TResult GetElement(std::int32_t dimensionCount, const std::int32_t* indices,
                          Orv::SmartPointer<Orv::INCObject>& element) override;
  // Stores a copy converted to the element type (see StoredCopy).
  Orv::TResult SetElement(std::int32_t dimensionCount, const std::int32_t* indices, Orv::INCObject* value) override;

  const ArrayType& type() const { return *type_; }
  const std::vector<Orv::SmartPointer<Orv::INCObject>>& elements() const { return elements_; }
  // A copy that shares no element that can change.
  Orv::SmartPointer<ArrayValue> Copy() const;
  // Grows with every element stored; changes inside a live element that
  // stays in place are not counted.
  std::uint64_t Changes() const { return changes_; }

 private:
  bool Locate(std::int32_t dimensionCount, const std::int32_t* indices, std::size_t& position) const;

  Orv::SmartPointer<ArrayType> type_;
  std::vector<Orv::SmartPointer<Orv::INCObject>> elements_;
  std::uint64_t changes_ = 0;
};

}  // namespace Velkor::OrvReference
