// Names compared where every block looks one up: structure members,
// channel transformations and the variable a scope found last.
#pragma once

#include <cstddef>

#include "orv/base.h"

namespace Velkor::OrvReference {

// Whether two names are equal. The names are short and mostly told apart by
// their lengths or first characters, so they are compared character by
// character instead of as memory, which the sanitizers intercept.
inline bool SameName(const Orv::String& a, const Orv::String& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

}  // namespace Velkor::OrvReference
