#include "values/basic_type.h"

#include "exact_type.h"

namespace Velkor::OrvReference {

namespace BasicCode = Orv::BasicType;

std::int32_t BasicType::CompareType(const Orv::INCType* other) const {
  std::int32_t otherCode = 0;
  return BasicTypeCode(other, otherCode) && otherCode == code_ ? 0 : 1;
}

bool IsBasicTypeCode(std::int32_t code) {
  return code >= BasicCode::Bool && code <= BasicCode::Object;
}

bool IsNumericCode(std::int32_t code) {
  return code == BasicCode::Int || code == BasicCode::Char || IsRealCode(code);
}

bool IsRealCode(std::int32_t code) {
  return code == BasicCode::Real || code == BasicCode::Real3;
}

const char* BasicTypeName(std::int32_t code) {
  static const char* const kNames[] = {"BOOL", "CHAR", "INT", "REAL3", "REAL", "STRING", "OBJECT"};
  return IsBasicTypeCode(code) ? kNames[code] : nullptr;
}

bool BasicTypeCode(const Orv::INCType* type, std::int32_t& code) {
  const auto* basic = AsInterface<const Orv::INCBasicType, const BasicType>(type);
  if (basic == nullptr) return false;
  code = basic->GetTypeCode();
  return true;
}

}  // namespace Velkor::OrvReference
