#include "values/value_factory.h"

#include "values/basic_value.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

constexpr Orv::TResult kRefused = 1;

Orv::TResult Hand(SmartPointer<BasicValue> value, SmartPointer<Orv::INCValue>& result) {
  result = std::move(value);
  return Orv::ORV_SUCCESS;
}

}  // namespace

Orv::TResult ValueFactory::GetBasicType(std::int32_t typeCode, SmartPointer<Orv::INCBasicType>& type) {
  if (!IsBasicTypeCode(typeCode)) return kRefused;
  type = new BasicType(typeCode);
  return Orv::ORV_SUCCESS;
}

Orv::TResult ValueFactory::CreateBoolValue(bool value, SmartPointer<Orv::INCValue>& result) {
  return Hand(BasicValue::Bool(value), result);
}

Orv::TResult ValueFactory::CreateCharValue(char value, SmartPointer<Orv::INCValue>& result) {
  return Hand(BasicValue::Char(value), result);
}

Orv::TResult ValueFactory::CreateIntValue(std::int32_t value, SmartPointer<Orv::INCValue>& result) {
  return Hand(BasicValue::Int(value), result);
}

Orv::TResult ValueFactory::CreateReal3Value(double value, SmartPointer<Orv::INCValue>& result) {
  return Hand(BasicValue::Real3(value), result);
}

Orv::TResult ValueFactory::CreateRealValue(double value, SmartPointer<Orv::INCValue>& result) {
  return Hand(BasicValue::Real(value), result);
}

Orv::TResult ValueFactory::CreateStringValue(const Orv::String& value, SmartPointer<Orv::INCValue>& result) {
  return Hand(BasicValue::Text(value), result);
}

Orv::TResult ValueFactory::CreateReferenceValue(Orv::INCObject* object, SmartPointer<Orv::INCValue>& result) {
  return Hand(BasicValue::Reference(object), result);
}

}  // namespace Velkor::OrvReference
