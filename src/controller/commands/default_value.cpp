#include "controller/commands/default_value.h"

namespace Velkor::OrvTessan {
namespace {

Orv::SmartPointer<Orv::INCValue> BasicDefault(std::int32_t typeCode, Orv::IValueFactory& factory) {
  Orv::SmartPointer<Orv::INCValue> value;
  switch (typeCode) {
    case Orv::BasicType::Bool:
      factory.CreateBoolValue(false, value);
      break;
    case Orv::BasicType::Char:
      factory.CreateCharValue('\0', value);
      break;
    case Orv::BasicType::Int:
      factory.CreateIntValue(0, value);
      break;
    case Orv::BasicType::Real3:
      factory.CreateReal3Value(0.0, value);
      break;
    case Orv::BasicType::Real:
      factory.CreateRealValue(0.0, value);
      break;
    case Orv::BasicType::String:
      factory.CreateStringValue(Orv::String(), value);
      break;
    case Orv::BasicType::Object:
      factory.CreateReferenceValue(nullptr, value);
      break;
    default:
      break;
  }
  return value;
}

}  // namespace

Orv::SmartPointer<Orv::INCObject> CreateDefaultValue(const Orv::INCType& type, Orv::IValueFactory& factory) {
  if (const auto* basic = dynamic_cast<const Orv::INCBasicType*>(&type)) {
    return BasicDefault(basic->GetTypeCode(), factory);
  }
  if (const auto* structure = dynamic_cast<const Orv::INCStructType*>(&type)) {
    Orv::SmartPointer<Orv::INCStruct> value;
    structure->CreateValue(value);
    return value;
  }
  if (const auto* array = dynamic_cast<const Orv::INCArrayType*>(&type)) {
    Orv::SmartPointer<Orv::INCObject> value;
    array->CreateValue(value);
    return value;
  }
  return nullptr;
}

}  // namespace Velkor::OrvTessan
