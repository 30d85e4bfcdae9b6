// Numbers written as digit runs, wrapped to 32 bits the way the controller's
// own arithmetic does: a run too long for 32 bits keeps its low 32 bits.
#pragma once

#include <cstdint>
#include <string_view>

namespace Velkor::OrvTessan {

// The value of the leading digits of `text` in `base` (2 to 16, letters in
// either case), modulo 2^32 and read as a signed 32-bit number; 0 when the
// text does not begin with a digit.
std::int32_t WrappedDigitValue(std::string_view text, unsigned base);

}  // namespace Velkor::OrvTessan
