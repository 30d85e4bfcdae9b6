// Reference host: the registry of named types of a channel.
#pragma once

#include <map>

#include "orv/base.h"
#include "orv/context.h"
#include "orv/types.h"

namespace Velkor::OrvReference {

class TypeRegistry final : public Orv::ITypeRegistry {
 public:
  TypeRegistry();
  ~TypeRegistry() override;

  // A name registered again now names the new type.
  Orv::TResult RegisterType(const Orv::String& name, Orv::INCType* type) override;
  Orv::TResult FindType(const Orv::String& name, Orv::SmartPointer<Orv::INCType>& type) override;

  // A name under which `type` is registered (the first in name order), or
  // null when it has none.
  const Orv::String* NameOf(const Orv::INCType* type) const;

 private:
  std::map<Orv::String, Orv::SmartPointer<Orv::INCType>> types_;
};

}  // namespace Velkor::OrvReference
