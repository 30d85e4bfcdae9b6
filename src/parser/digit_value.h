// Numbers written as digit runs: wrapped to 32 bits the way the controller's
// own arithmetic does (a run too long for 32 bits keeps its low 32 bits), and
// short decimals read exactly without the general conversion.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Velkor::OrvTessan {

// The value of the leading digits of `text` in `base` (2 to 16, letters in
// either case), modulo 2^32 and read as a signed 32-bit number; 0 when the
// text does not begin with a digit.
std::int32_t WrappedDigitValue(std::string_view text, unsigned base);

// The real nearest to `text`, digits with at most one point (a coordinate
// such as 139.427), when it has at most 15 digits: those digits are a whole
// number a double holds exactly, and so is the power of ten it is divided
// by, and the one rounding of the division gives the nearest real, as the
// general conversion would. Empty for any other text.
std::optional<double> ShortDecimalValue(std::string_view text);

}  // namespace Velkor::OrvTessan
