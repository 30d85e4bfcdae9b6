// Array types of one or two dimensions.
#pragma once

#include <vector>

#include "orv/base.h"
#include "orv/types.h"
#include "orv/values.h"
#include "values/basic_type.h"

namespace Velkor::OrvReference {

class ArrayType final : public Orv::INCArrayType {
 public:
  // The most host values the elements of one array may hold together (a
  // FRAME element holds a few hundred): about 90 MB, so that one
  // declaration cannot take the process's memory.
  static constexpr std::size_t kMostValues = std::size_t{1} << 20;

  ArrayType(Orv::SmartPointer<Orv::INCType> elementType, std::vector<std::int32_t> sizes);

  // An array type is the same type only as itself.
  std::int32_t CompareType(const Orv::INCType* other) const override { return other == this ? 0 : 1; }
  Orv::TResult GetElementType(Orv::SmartPointer<Orv::INCType>& elementType) const override;
  std::int32_t GetDimensionCount() const override { return static_cast<std::int32_t>(sizes_.size()); }
  // 0 for a dimension the type does not have.
  std::int32_t GetDimensionSize(std::int32_t dimension) const override;
  Orv::TResult CreateValue(Orv::SmartPointer<Orv::INCObject>& value) const override;

  const Orv::INCType& elementType() const { return *elementType_; }
  // Whether the elements are basic values, which never change.
  bool HoldsBasicValues() const { return holdsBasicValues_; }
  const std::vector<std::int32_t>& sizes() const { return sizes_; }
  std::size_t ElementCount() const;

 private:
  Orv::SmartPointer<Orv::INCType> elementType_;
  std::vector<std::int32_t> sizes_;
  bool holdsBasicValues_;
};

}  // namespace Velkor::OrvReference
