#include "values/basic_type.h"

#include <typeinfo>

#include "exact_type.h"
#include "values/array_type.h"
#include "values/struct_type.h"

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
  // The host's array and structure types, which every array or structure
  // node has, are told apart by their type identities (as exact_type.h
  // does) rather than by a failing dynamic_cast.
  if (type == nullptr || &typeid(*type) == &typeid(ArrayType) || &typeid(*type) == &typeid(StructType)) return false;
  const auto* basic = AsInterface<const Orv::INCBasicType, const BasicType>(type);
  if (basic == nullptr) return false;
  code = basic->GetTypeCode();
  return true;
}

}  // namespace Velkor::OrvReference
