// Checks of host calls whose failure a method tolerates. They report through
// the base runtime only when its checking level asks for it, and never change
// the method's outcome.
#pragma once

#include "orv/base.h"

namespace Velkor::OrvTessan {

// `line` is the caller's source line, for the report.
void CheckCreated(bool created, int line);
void CheckSucceeded(Orv::TResult result, int line);

}  // namespace Velkor::OrvTessan
