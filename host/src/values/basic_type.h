// The host's basic types (BOOL, CHAR, INT, REAL3, REAL, STRING, OBJECT) and
// the questions asked about type codes.
#pragma once

#include "orv/types.h"

namespace Velkor::OrvReference {

class BasicType final : public Orv::INCBasicType {
 public:
  explicit BasicType(std::int32_t code) : code_(code) {}

  std::int32_t GetTypeCode() const override { return code_; }
  // Two basic types are the same type when their codes are equal.
  std::int32_t CompareType(const Orv::INCType* other) const override;

 private:
  std::int32_t code_;
};

bool IsBasicTypeCode(std::int32_t code);
// INT, CHAR, REAL3 and REAL take part in arithmetic.
bool IsNumericCode(std::int32_t code);
bool IsRealCode(std::int32_t code);
// The host name of a basic type code: BOOL, CHAR, INT, REAL3, REAL, STRING,
// OBJECT; null for any other code.
const char* BasicTypeName(std::int32_t code);

// The basic type of `code` when `type` is a basic type; false otherwise.
bool BasicTypeCode(const Orv::INCType* type, std::int32_t& code);

}  // namespace Velkor::OrvReference
