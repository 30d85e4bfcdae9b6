// The value an omitted element of an array initialiser stands for.
#pragma once

#include "orv/base.h"
#include "orv/factories.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::OrvTessan {

// False, zero, the empty text or a reference to nothing for a basic type; the
// type's default value for a structure or array type. Null for any other type
// and when the host refuses to make the value.
Orv::SmartPointer<Orv::INCObject> CreateDefaultValue(const Orv::INCType& type, Orv::IValueFactory& factory);

}  // namespace Velkor::OrvTessan
