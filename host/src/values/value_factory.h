// The factory of basic values and basic types.
#pragma once

#include "orv/base.h"
#include "orv/factories.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

class ValueFactory final : public Orv::IValueFactory {
 public:
  // Fails for a code outside 0 to 6.
  Orv::TResult GetBasicType(std::int32_t typeCode, Orv::SmartPointer<Orv::INCBasicType>& type) override;
  Orv::TResult CreateBoolValue(bool value, Orv::SmartPointer<Orv::INCValue>& result) override;
  Orv::TResult CreateCharValue(char value, Orv::SmartPointer<Orv::INCValue>& result) override;
  Orv::TResult CreateIntValue(std::int32_t value, Orv::SmartPointer<Orv::INCValue>& result) override;
  Orv::TResult CreateReal3Value(double value, Orv::SmartPointer<Orv::INCValue>& result) override;
  Orv::TResult CreateRealValue(double value, Orv::SmartPointer<Orv::INCValue>& result) override;
  Orv::TResult CreateStringValue(const Orv::String& value, Orv::SmartPointer<Orv::INCValue>& result) override;
  Orv::TResult CreateReferenceValue(Orv::INCObject* object, Orv::SmartPointer<Orv::INCValue>& result) override;
};

}  // namespace Velkor::OrvReference
