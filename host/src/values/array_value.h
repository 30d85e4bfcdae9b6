// Arrays of one or two dimensions, their elements stored row by row.
#pragma once

#include <memory>
#include <vector>

#include "orv/base.h"
#include "orv/types.h"
#include "orv/values.h"
#include "values/array_type.h"

namespace Velkor::OrvReference {

class ArrayValue final : public Orv::INCArray {
 public:
  using Elements = std::vector<Orv::SmartPointer<Orv::INCObject>>;

  ArrayValue(Orv::SmartPointer<ArrayType> type, Elements elements);

  Orv::TResult GetType(Orv::SmartPointer<Orv::INCType>& type) const override;
  // Both fail unless the index count is the dimension count and every index
  // lies within its dimension.
  Orv::TResult GetElement(std::int32_t dimensionCount, const std::int32_t* indices,
                          Orv::SmartPointer<Orv::INCObject>& element) override;
  // Stores a copy converted to the element type (see StoredCopy).
  Orv::TResult SetElement(std::int32_t dimensionCount, const std::int32_t* indices, Orv::INCObject* value) override;

  const ArrayType& type() const { return *type_; }
  const Elements& elements() const { return *elements_; }
  // A copy that shares no element that can change. Basic values never
  // change, so an array of them shares its list of elements with its copies
  // until one of them stores an element: copying a frame's components costs
  // one object each instead of a reference to every element.
  Orv::SmartPointer<ArrayValue> Copy() const;
  // Grows with every element stored; changes inside a live element that
  // stays in place are not counted.
  std::uint64_t Changes() const { return changes_; }

 private:
  ArrayValue(Orv::SmartPointer<ArrayType> type, std::shared_ptr<Elements> elements);
  bool Locate(std::int32_t dimensionCount, const std::int32_t* indices, std::size_t& position) const;

  Orv::SmartPointer<ArrayType> type_;
  std::shared_ptr<Elements> elements_;
  std::uint64_t changes_ = 0;
};

}  // namespace Velkor::OrvReference
