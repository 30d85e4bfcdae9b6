#include "parser/read_count.h"

#include <algorithm>

#include "parser/parse_state.h"

namespace Velkor::OrvTessan {

// Each start is read again by a scanner of its own fed one character at a
// time, from the start state, as the scanner that met it was. What the
// rules go on to make of a match does not change how far it read, so the
// flags of this scanner do not matter.
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
