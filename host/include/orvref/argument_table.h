// Reference host: the evaluated arguments of a command or method call.
#pragma once

#include <vector>

#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

// A table of the arguments in order; a null argument is an omitted one.
Orv::SmartPointer<Orv::ArgumentTable> MakeArgumentTable(std::vector<Orv::SmartPointer<Orv::INCObject>> arguments);

}  // namespace Velkor::OrvReference
