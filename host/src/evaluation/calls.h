// Calls of functions by name: the host's own functions, then the plug-in's
// controller methods through its method mapper.
#pragma once

#include "expressions/node.h"
#include "orv/base.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

// The result of the call of `name` with the values of the argument nodes
// (an absent argument is passed as null; a reference value as it is).
bool CallByName(Evaluation& evaluation, const Orv::String& name, const ExpressionList& arguments,
                Orv::SmartPointer<Orv::INCObject>& value);

}  // namespace Velkor::OrvReference
