// Casts to a final class of the host by comparing type identities: on the
// paths every block takes, dynamic_cast's walk through the class hierarchy,
// which compares type names as strings, costs more than the work around it.
#pragma once

#include <type_traits>
#include <typeinfo>

namespace Velkor::OrvReference {

// The object as `Final` when that is its class, else null: dynamic_cast's
// answer, found by a pointer comparison when the object's type identity is
// the one this library knows `Final` by.
template <class Final, class Object>
Final* AsExactly(Object* object) {
  static_assert(std::is_final_v<Final>);
  if (object != nullptr && &typeid(*object) == &typeid(Final)) return static_cast<Final*>(object);
  return dynamic_cast<Final*>(object);
}

// The object as `Interface`, found by a pointer comparison when it is of the
// host's own final class implementing it, else by dynamic_cast.
template <class Interface, class Final, class Object>
Interface* AsInterface(Object* object) {
  static_assert(std::is_final_v<Final> && std::is_base_of_v<Interface, Final>);
  if (object != nullptr && &typeid(*object) == &typeid(Final)) return static_cast<Final*>(object);
  return dynamic_cast<Interface*>(object);
}

}  // namespace Velkor::OrvReference
