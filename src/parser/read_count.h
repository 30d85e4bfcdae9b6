// How much of a text a scanner fed one character at a time has read: the
// count a syntax error message quotes. The scanners take their text all at
// once; the count is worked out only when a message needs it.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace Velkor::OrvTessan {

// The characters of `text` a scanner fed one character at a time would have
// read by the time its matches had begun at each of `matchStarts`. From the
// start of each match the automaton reads on as long as a longer match is
// possible (one character past most tokens, the rest of the line after AS),
// and whatever it read stays read: the count is the farthest of these
// reads. (The last match of a text ends at its end, so a scanner that met
// the end has read it all.)
std::size_t CharactersReadOneAtATime(std::string_view text, const std::vector<std::size_t>& matchStarts);

}  // namespace Velkor::OrvTessan
