#include "orvref/type_registry.h"

#include <cstring>

namespace Velkor::OrvReference {

TypeRegistry::TypeRegistry() = default;
TypeRegistry::~TypeRegistry() = default;

Orv::TResult TypeRegistry::RegisterType(const Orv::String& name, Orv::INCType* type) {
  if (type == nullptr) return 1;
  types_[name] = type;
  return Orv::ORV_SUCCESS;
}

// A channel registers a handful of types (its FRAME and AXIS) and the
// plug-in looks them up for every block: the names are told apart by their
// lengths first, and the tree is searched only when it has grown.
Orv::TResult TypeRegistry::FindType(const Orv::String& name, Orv::SmartPointer<Orv::INCType>& type) {
  constexpr std::size_t kMostScanned = 8;
  if (types_.size() > kMostScanned) {
    const auto found = types_.find(name);
    if (found == types_.end()) return 1;
    type = found->second;
    return Orv::ORV_SUCCESS;
  }
  for (const auto& [registeredName, registered] : types_) {
    if (registeredName.size() == name.size() && std::memcmp(registeredName.data(), name.data(), name.size()) == 0) {
      type = registered;
      return Orv::ORV_SUCCESS;
    }
  }
  return 1;
}

const Orv::String* TypeRegistry::NameOf(const Orv::INCType* type) const {
  for (const auto& [name, registered] : types_) {
    if (registered.get() == type) return &name;
  }
  return nullptr;
}

}  // namespace Velkor::OrvReference
