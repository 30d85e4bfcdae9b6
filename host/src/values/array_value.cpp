#include "values/array_value.h"

#include "values/storage.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {
constexpr Orv::TResult kRefused = 1;
}  // namespace

ArrayValue::ArrayValue(SmartPointer<ArrayType> type, Elements elements)
    : ArrayValue(std::move(type), std::make_shared<Elements>(std::move(elements))) {}

ArrayValue::ArrayValue(SmartPointer<ArrayType> type, std::shared_ptr<Elements> elements)
    : type_(std::move(type)), elements_(std::move(elements)) {}

Orv::TResult ArrayValue::GetType(SmartPointer<Orv::INCType>& type) const {
  type = type_;
  return Orv::ORV_SUCCESS;
}

bool ArrayValue::Locate(std::int32_t dimensionCount, const std::int32_t* indices, std::size_t& position) const {
  if (dimensionCount != type_->GetDimensionCount() || indices == nullptr) return false;
  // Nearly every array read is a frame's component, of one dimension.
  if (dimensionCount == 1) {
    position = static_cast<std::size_t>(static_cast<std::uint32_t>(indices[0]));
    return position < elements_->size();
  }
  position = 0;
  for (std::int32_t dimension = 0; dimension < dimensionCount; ++dimension) {
    const std::int32_t index = indices[dimension];
    const std::int32_t size = type_->GetDimensionSize(dimension);
    if (index < 0 || index >= size) return false;
    position = position * static_cast<std::size_t>(size) + static_cast<std::size_t>(index);
  }
  return true;
}

Orv::TResult ArrayValue::GetElement(std::int32_t dimensionCount, const std::int32_t* indices,
                                    SmartPointer<Orv::INCObject>& element) {
  std::size_t position = 0;
  if (!Locate(dimensionCount, indices, position)) return kRefused;
  element = (*elements_)[position];
  return Orv::ORV_SUCCESS;
}

Orv::TResult ArrayValue::SetElement(std::int32_t dimensionCount, const std::int32_t* indices, Orv::INCObject* value) {
  std::size_t position = 0;
  if (!Locate(dimensionCount, indices, position)) return kRefused;
  SmartPointer<Orv::INCObject> stored = StoredCopy(type_->elementType(), value);
  if (!stored) return kRefused;
  if (elements_.use_count() > 1) elements_ = std::make_shared<Elements>(*elements_);
  (*elements_)[position] = std::move(stored);
  ++changes_;
  return Orv::ORV_SUCCESS;
}

SmartPointer<ArrayValue> ArrayValue::Copy() const {
  if (type_->HoldsBasicValues()) return new ArrayValue(type_, elements_);
  Elements elements;
  elements.reserve(elements_->size());
  for (const auto& element : *elements_) elements.push_back(DeepCopy(element.get()));
  return new ArrayValue(type_, std::move(elements));
}

}  // namespace Velkor::OrvReference
