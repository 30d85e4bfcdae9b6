// The values tessan eval prints: basic values as in the block trace, but
// reals rounded to 12 significant digits; a FRAME as the elements that
// differ from the default frame; a matrix row by row.
#pragma once

#include <string>

#include "orv/values.h"
#include "orvref/execution_context.h"

namespace Velkor::Tessan {

// "_" for no value (a method without one).
std::string ValueText(Orv::INCObject* value, OrvReference::ExecutionContext& context);

}  // namespace Velkor::Tessan
