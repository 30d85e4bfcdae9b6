#include "values/basic_value.h"

#include <string>

#include "orvref/text_forms.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace BasicCode = Orv::BasicType;

namespace {
constexpr Orv::TResult kNoSuchReading = 1;
}  // namespace

SmartPointer<BasicValue> BasicValue::Bool(bool value) {
  return new BasicValue(BasicCode::Bool, std::in_place_type<bool>, value);
}
SmartPointer<BasicValue> BasicValue::Char(char value) {
  return new BasicValue(BasicCode::Char, std::in_place_type<char>, value);
}
SmartPointer<BasicValue> BasicValue::Int(std::int32_t value) {
  return new BasicValue(BasicCode::Int, std::in_place_type<std::int32_t>, value);
}
SmartPointer<BasicValue> BasicValue::Real(double value) {
  return new BasicValue(BasicCode::Real, std::in_place_type<double>, value);
}
SmartPointer<BasicValue> BasicValue::Real3(double value) {
  return new BasicValue(BasicCode::Real3, std::in_place_type<double>, value);
}
SmartPointer<BasicValue> BasicValue::Text(const Orv::String& value) {
  return new BasicValue(BasicCode::String, std::in_place_type<Orv::String>, value);
}

SmartPointer<BasicValue> BasicValue::Reference(Orv::INCObject* object) {
  return new BasicValue(BasicCode::Object, std::in_place_type<SmartPointer<Orv::INCObject>>, object);
}

SmartPointer<BasicValue> BasicValue::Zero(std::int32_t code) {
  switch (code) {
    case BasicCode::Bool:
      return Bool(false);
    case BasicCode::Char:
      return Char('\0');
    case BasicCode::Int:
      return Int(0);
    case BasicCode::Real3:
      return Real3(0.0);
    case BasicCode::Real:
      return Real(0.0);
    case BasicCode::String:
      return Text(Orv::String());
    case BasicCode::Object:
      return Reference(nullptr);
    default:
      return nullptr;
  }
}

Orv::TResult BasicValue::GetType(SmartPointer<Orv::INCType>& type) const {
  type = new BasicType(code_);
  return Orv::ORV_SUCCESS;
}

Orv::TResult BasicValue::GetBool(bool& value) const {
  if (code_ == BasicCode::Bool) {
    value = std::get<bool>(payload_);
  } else if (code_ == BasicCode::Int) {
    value = std::get<std::int32_t>(payload_) != 0;
  } else {
    return kNoSuchReading;
  }
  return Orv::ORV_SUCCESS;
}

Orv::TResult BasicValue::GetInteger(std::int32_t& value) const {
  if (code_ == BasicCode::Int) {
    value = std::get<std::int32_t>(payload_);
  } else if (code_ == BasicCode::Bool) {
    value = std::get<bool>(payload_) ? 1 : 0;
  } else if (code_ == BasicCode::Char) {
    value = static_cast<unsigned char>(std::get<char>(payload_));
  } else {
    return kNoSuchReading;
  }
  return Orv::ORV_SUCCESS;
}

Orv::TResult BasicValue::GetReal(double& value) const {
  if (code_ == BasicCode::Int) {
    value = std::get<std::int32_t>(payload_);
  } else if (IsRealCode(code_)) {
    value = std::get<double>(payload_);
  } else {
    return kNoSuchReading;
  }
  return Orv::ORV_SUCCESS;
}

Orv::TResult BasicValue::GetString(Orv::String& value) const {
  switch (code_) {
    case BasicCode::String:
      value = std::get<Orv::String>(payload_);
      break;
    case BasicCode::Char:
      value.assign(1, std::get<char>(payload_));
      break;
    case BasicCode::Bool:
      value = std::get<bool>(payload_) ? "TRUE" : "FALSE";
      break;
    case BasicCode::Int:
      value = std::to_string(std::get<std::int32_t>(payload_)).c_str();
      break;
    case BasicCode::Real3:
    case BasicCode::Real:
      value = RealText(std::get<double>(payload_)).c_str();
      break;
    default:
      return kNoSuchReading;
  }
  return Orv::ORV_SUCCESS;
}

Orv::TResult BasicValue::GetReferencedObject(SmartPointer<Orv::INCObject>& object) const {
  if (code_ != BasicCode::Object) return kNoSuchReading;
  object = std::get<SmartPointer<Orv::INCObject>>(payload_);
  return Orv::ORV_SUCCESS;
}

}  // namespace Velkor::OrvReference
