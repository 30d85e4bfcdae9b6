// What is stored where a value of a given type is expected: defaults,
// converted copies and deep copies.
#pragma once

#include "orv/base.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

// The default value of a type: the zero of a basic type, a new structure or
// a new array. Null for a type the host does not know.
Orv::SmartPointer<Orv::INCObject> DefaultValue(const Orv::INCType& type);

// A copy of `value` to be stored as a `type`: a basic value of the same
// type; INT, REAL3 and REAL converted into each other (a real to INT
// truncated toward zero, refused outside the INT range); a structure or an
// array of the same type, copied deeply. Null for anything else.
Orv::SmartPointer<Orv::INCObject> StoredCopy(const Orv::INCType& type, Orv::INCObject* value);

// A copy that shares nothing that can change with `value`: arrays and
// structures are copied, basic values and other objects shared.
Orv::SmartPointer<Orv::INCObject> DeepCopy(Orv::INCObject* value);

}  // namespace Velkor::OrvReference
