// Numbers written as text, as NUMBER and ISNUMBER read them.
#pragma once

#include "orv/base.h"

namespace Velkor::OrvTessan {

// True when the whole text is one number. "EX" stands for the exponent mark
// "E" (1.5EX3 is 1500); leading white space is allowed, trailing is not, and
// the empty text is no number.
bool ParseNumber(const Orv::String& text, double& number);

}  // namespace Velkor::OrvTessan
