#include "parser/read_count.h"

#include <algorithm>

#include "parser/parse_state.h"

namespace Velkor::OrvTessan {

// Each start is read again by a scanner of its own fed one character at a
// time, from the start state, as the scanner that met it was. How far the
// automaton reads does not depend on the flags, which only decide what an
// action makes of a match.
std::size_t CharactersReadOneAtATime(std::string_view text, const std::vector<std::size_t>& matchStarts) {
  ScanState probe;
  probe.SetInput(text);
  probe.oneCharacterAtATime = true;
  const MacroTable noMacros;
  Scanner scanner(probe, noMacros);
  std::size_t farthest = 0;
  for (const std::size_t start : matchStarts) {
    probe.readPosition = start;
    scanner.Flush();
    scanner.NextToken();
    farthest = std::max(farthest, probe.readPosition);
  }
  return std::min(farthest, text.size());
}

}  // namespace Velkor::OrvTessan
