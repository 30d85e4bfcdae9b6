// Names compared where every block looks one up: structure members and
// channel transformations.
#pragma once

#include "orv/base.h"

namespace Velkor::OrvReference {

// Whether two names are equal. Their lengths and first characters, which
// tell most names apart, are compared before the characters are compared as
// memory, which the sanitizers intercept.
inline bool SameName(const Orv::String& a, const Orv::String& b) {
  return a.size() == b.size() && (a.empty() || (a[0] == b[0] && a == b));
}

}  // namespace Velkor::OrvReference
