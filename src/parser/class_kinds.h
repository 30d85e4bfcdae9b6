// What each class of host object the parser meets is: a basic-result, an
// assignable or a structure-result expression; a basic or an array type.
// dynamic_cast finds out by walking the class hierarchy and comparing type
// names as strings, and nearly every action asks. The answer for a class is
// found once and kept, by the identity of the class's type information.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "orv/expressions.h"
#include "orv/types.h"

namespace Velkor::OrvTessan {

// Remembers, for each class derived from `Base`, which of `Kinds` it is.
template <class Base, class... Kinds>
class ClassKinds {
 public:
  // The object seen as `Kind`; null when it is not one (or null itself).
  template <class Kind>
  Kind* As(Base* object) {
    static_assert((std::is_same_v<Kind, Kinds> || ...));
    if (object == nullptr) return nullptr;
    // Every object of a class shares its base classes, so what dynamic_cast
    // told of one tells of all; static_cast then takes the same path.
    return Of(*object).is[IndexOf<Kind>()] ? static_cast<Kind*>(object) : nullptr;
  }

  // Forgets the classes met so far: a new set of machine objects may live
  // with other host libraries.
  void Clear() {
    classes_.clear();
    recent_ = {};
  }

 private:
  struct Class {
    const std::type_info* type = nullptr;
    std::array<bool, sizeof...(Kinds)> is{};
  };

  template <class Kind>
  static constexpr std::size_t IndexOf() {
    std::size_t index = 0;
    static_cast<void>(((std::is_same_v<Kind, Kinds> ? false : (++index, true)) && ...));
    return index;
  }

  // Type information records are words (eight bytes) aligned and lie close
  // together in their library, so that the bits above the lowest three give
  // the classes of a library slots of their own, the more so the more slots
  // there are. Two classes a block uses all the time sharing a slot would
  // take it from each other at every turn.
  static constexpr std::size_t kRecentSlots = 64;
  static std::size_t SlotOf(const std::type_info* type) {
    return (reinterpret_cast<std::uintptr_t>(type) >> 3) % kRecentSlots;
  }

  // Each class is answered from its slot of the recent table; a class that
  // finds its slot taken by another is looked up in the list of all.
  const Class& Of(Base& object) {
    const std::type_info* type = &typeid(object);
    Class& slot = recent_[SlotOf(type)];
    if (slot.type != type) [[unlikely]]
      slot = Find(object, type);
    return slot;
  }

  // Out of line, so that the lookup in the recent table stays small enough
  // to be inlined into every action that asks.
  [[gnu::noinline]] Class Find(Base& object, const std::type_info* type) {
    for (const Class& known : classes_) {
      if (known.type == type) return known;
    }
    return classes_.emplace_back(Class{type, {dynamic_cast<Kinds*>(&object) != nullptr...}});
  }

  std::array<Class, kRecentSlots> recent_{};
  std::vector<Class> classes_;
};

using ExpressionKinds =
    ClassKinds<Orv::INCObjectExpression, Orv::INCExpression, Orv::INCLValue, Orv::INCStructExpression>;
using TypeKinds = ClassKinds<Orv::INCType, Orv::INCBasicType, Orv::INCArrayType>;

}  // namespace Velkor::OrvTessan
