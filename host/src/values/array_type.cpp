#include "values/array_type.h"

#include "values/array_value.h"
#include "values/storage.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

bool IsBasic(const Orv::INCType* type) {
  std::int32_t code = 0;
  return BasicTypeCode(type, code);
}

}  // namespace

ArrayType::ArrayType(SmartPointer<Orv::INCType> elementType, std::vector<std::int32_t> sizes)
    : elementType_(std::move(elementType)), sizes_(std::move(sizes)), holdsBasicValues_(IsBasic(elementType_.get())) {}

Orv::TResult ArrayType::GetElementType(SmartPointer<Orv::INCType>& elementType) const {
  elementType = elementType_;
  return Orv::ORV_SUCCESS;
}

std::int32_t ArrayType::GetDimensionSize(std::int32_t dimension) const {
  return dimension >= 0 && dimension < GetDimensionCount() ? sizes_[static_cast<std::size_t>(dimension)] : 0;
}

std::size_t ArrayType::ElementCount() const {
  std::size_t count = 1;
  for (const std::int32_t size : sizes_) count *= static_cast<std::size_t>(size);
  return count;
}

Orv::TResult ArrayType::CreateValue(SmartPointer<Orv::INCObject>& value) const {
  ArrayValue::Elements elements;
  elements.reserve(ElementCount());
  // A basic value never changes, so every element starts as the same zero.
  const SmartPointer<Orv::INCObject> zero = holdsBasicValues_ ? DefaultValue(*elementType_) : nullptr;
  for (std::size_t i = 0; i < ElementCount(); ++i) {
    SmartPointer<Orv::INCObject> element = zero ? zero : DefaultValue(*elementType_);
    if (!element) return 1;
    elements.push_back(std::move(element));
  }
  // The value holds its type; counting references is no change to the type.
  value = new ArrayValue(const_cast<ArrayType*>(this), std::move(elements));
  return Orv::ORV_SUCCESS;
}

}  // namespace Velkor::OrvReference
