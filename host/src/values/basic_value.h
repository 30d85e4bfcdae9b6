// A value of a basic type. Basic values never change once made, so a copy
// may share them.
#pragma once

#include <utility>
#include <variant>

#include "orv/base.h"
#include "orv/types.h"
#include "orv/values.h"
#include "values/basic_type.h"

namespace Velkor::OrvReference {

class BasicValue final : public Orv::INCValue {
 public:
  // What a value holds, by type code: BOOL bool, CHAR char, INT int32_t,
  // REAL3 and REAL double, STRING the text, OBJECT the carried object.
  using Payload = std::variant<bool, char, std::int32_t, double, Orv::String, Orv::SmartPointer<Orv::INCObject>>;

  static Orv::SmartPointer<BasicValue> Bool(bool value);
  static Orv::SmartPointer<BasicValue> Char(char value);
  static Orv::SmartPointer<BasicValue> Int(std::int32_t value);
  static Orv::SmartPointer<BasicValue> Real(double value);
  static Orv::SmartPointer<BasicValue> Real3(double value);
  static Orv::SmartPointer<BasicValue> Text(const Orv::String& value);
  static Orv::SmartPointer<BasicValue> Reference(Orv::INCObject* object);
  // The default of a basic type: FALSE, the zero character, 0, 0.0, the
  // empty text, a reference carrying nothing. Null for an unknown code.
  static Orv::SmartPointer<BasicValue> Zero(std::int32_t code);

  std::int32_t code() const { return code_; }
  const Payload& payload() const { return payload_; }

  Orv::TResult GetType(Orv::SmartPointer<Orv::INCType>& type) const override;
  // BOOL, and INT (true when not 0).
  Orv::TResult GetBool(bool& value) const override;
  // INT, BOOL (0 or 1) and CHAR (its byte, 0 to 255).
  Orv::TResult GetInteger(std::int32_t& value) const override;
  // INT, REAL3 and REAL.
  Orv::TResult GetReal(double& value) const override;
  // The text form of every value but a reference.
  Orv::TResult GetString(Orv::String& value) const override;
  Orv::TResult GetReferencedObject(Orv::SmartPointer<Orv::INCObject>& object) const override;

 private:
  // The payload is made in place, as the alternative `Held`.
  template <class Held, class Value>
  BasicValue(std::int32_t code, std::in_place_type_t<Held> held, Value&& value)
      : code_(code), payload_(held, std::forward<Value>(value)) {}

  std::int32_t code_;
  Payload payload_;
};

}  // namespace Velkor::OrvReference
