#include "orvref/type_registry.h"

namespace Velkor::OrvReference {

TypeRegistry::TypeRegistry() = default;
TypeRegistry::~TypeRegistry() = default;

Orv::TResult TypeRegistry::RegisterType(const Orv::String& name, Orv::INCType* type) {
  if (type == nullptr) return 1;
  types_[name] = type;
  return Orv::ORV_SUCCESS;
}

Orv::TResult TypeRegistry::FindType(const Orv::String& name, Orv::SmartPointer<Orv::INCType>& type) {
  const auto found = types_.find(name);
  if (found == types_.end()) return 1;
  type = found->second;
  return Orv::ORV_SUCCESS;
}

const Orv::String* TypeRegistry::NameOf(const Orv::INCType* type) const {
  for (const auto& [name, registered] : types_) {
    if (registered.get() == type) return &name;
  }
  return nullptr;
}

}  // namespace Velkor::OrvReference
