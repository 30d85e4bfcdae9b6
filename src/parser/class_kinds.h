// What each class of host object the parser meets is: a basic-result, an
// assignable or a structure-result expression; a basic or an array type.
// dynamic_cast finds out by walking the class hierarchy and comparing type
// names as strings, and nearly every action asks. The answer for a class is
// found once and kept, by the identity of the class's type information.
#pragma once

#include <array>
#include <cstddef>
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
  void Clear() { classes_.clear(); }

 private:
  struct Class {
    const std::type_info* type;
    std::array<bool, sizeof...(Kinds)> is;
  };

  template <class Kind>
  static constexpr std::size_t IndexOf() {
    std::size_t index = 0;
    static_cast<void>(((std::is_same_v<Kind, Kinds> ? false : (++index, true)) && ...));
    return index;
  }

  // A class found moves one place ahead, so that the classes a parse meets
  // most are soon found first.
  const Class& Of(Base& object) {
    const std::type_info* type = &typeid(object);
    for (std::size_t i = 0; i < classes_.size(); ++i) {
      if (classes_[i].type != type) continue;
      if (i == 0) return classes_[0];
      std::swap(classes_[i - 1], classes_[i]);
      return classes_[i - 1];
    }
    return classes_.emplace_back(Class{type, {dynamic_cast<Kinds*>(&object) != nullptr...}});
  }

  std::vector<Class> classes_;
};

using ExpressionKinds =
    ClassKinds<Orv::INCObjectExpression, Orv::INCExpression, Orv::INCLValue, Orv::INCStructExpression>;
using TypeKinds = ClassKinds<Orv::INCType, Orv::INCBasicType, Orv::INCArrayType>;

}  // namespace Velkor::OrvTessan
