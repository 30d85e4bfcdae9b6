#include "values/storage.h"

#include <cmath>
#include <limits>
#include <typeinfo>

#include "values/array_value.h"
#include "values/basic_value.h"
#include "values/struct_value.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace BasicCode = Orv::BasicType;

namespace {

bool IsStoredNumber(std::int32_t code) {
  return code == BasicCode::Int || IsRealCode(code);
}

SmartPointer<BasicValue> ConvertedNumber(const BasicValue& value, std::int32_t code) {
  double number = 0.0;
  value.GetReal(number);
  if (code != BasicCode::Int) return code == BasicCode::Real ? BasicValue::Real(number) : BasicValue::Real3(number);
  const double truncated = std::trunc(number);
  if (!(truncated >= std::numeric_limits<std::int32_t>::min() &&
        truncated <= std::numeric_limits<std::int32_t>::max())) {
    return nullptr;
  }
  return BasicValue::Int(static_cast<std::int32_t>(truncated));
}

SmartPointer<Orv::INCObject> StoredBasic(std::int32_t code, Orv::INCObject* value) {
  auto* basic = dynamic_cast<BasicValue*>(value);
  if (basic == nullptr) return nullptr;
  if (basic->code() == code) return basic;
  if (IsStoredNumber(code) && IsStoredNumber(basic->code())) return ConvertedNumber(*basic, code);
  return nullptr;
}

}  // namespace

SmartPointer<Orv::INCObject> DefaultValue(const Orv::INCType& type) {
  std::int32_t code = 0;
  if (BasicTypeCode(&type, code)) return BasicValue::Zero(code);
  if (const auto* structType = dynamic_cast<const Orv::INCStructType*>(&type)) {
    SmartPointer<Orv::INCStruct> value;
    structType->CreateValue(value);
    return value;
  }
  if (const auto* arrayType = dynamic_cast<const Orv::INCArrayType*>(&type)) {
    SmartPointer<Orv::INCObject> value;
    arrayType->CreateValue(value);
    return value;
  }
  return nullptr;
}

SmartPointer<Orv::INCObject> StoredCopy(const Orv::INCType& type, Orv::INCObject* value) {
  std::int32_t code = 0;
  if (BasicTypeCode(&type, code)) return StoredBasic(code, value);
  auto* objectValue = dynamic_cast<Orv::INCObjectValue*>(value);
  SmartPointer<Orv::INCType> valueType;
  if (objectValue == nullptr || objectValue->GetType(valueType) != Orv::ORV_SUCCESS ||
      type.CompareType(valueType.get()) != 0) {
    return nullptr;
  }
  return DeepCopy(value);
}

SmartPointer<Orv::INCObject> DeepCopy(Orv::INCObject* value) {
  if (value == nullptr) return value;
  // Type identities first: dynamic_cast compares type names as strings.
  const std::type_info* type = &typeid(*value);
  if (type == &typeid(BasicValue)) return value;
  if (type == &typeid(ArrayValue)) return static_cast<const ArrayValue*>(value)->Copy();
  if (type == &typeid(StructValue)) return static_cast<const StructValue*>(value)->Copy();
  if (const auto* array = dynamic_cast<const ArrayValue*>(value)) return array->Copy();
  if (const auto* structure = dynamic_cast<const StructValue*>(value)) return structure->Copy();
  return value;
}

}  // namespace Velkor::OrvReference
