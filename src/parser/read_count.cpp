#include "parser/read_count.h"

#include <algorithm>

#include "parser/parse_state.h"

namespace Velkor::OrvTessan {

struct ReadCounter::Probe {
  ScanState scan;
  const MacroTable noMacros{};
  Scanner scanner{scan, noMacros};
};

ReadCounter::ReadCounter() = default;
ReadCounter::~ReadCounter() = default;

// Each start is read again from the start state, as the scanner that met it
// was. What the rules go on to make of a match does not change how far it
// read, so the flags of the probe do not matter; each count still starts
// from those of a fresh one.
std::size_t ReadCounter::CharactersReadOneAtATime(std::string_view text, const std::vector<std::size_t>& matchStarts) {
  if (!probe_) probe_ = std::make_unique<Probe>();
  ScanState& scan = probe_->scan;
  scan = ScanState{};
  scan.SetInput(text);
  scan.oneCharacterAtATime = true;
  std::size_t farthest = 0;
  for (const std::size_t start : matchStarts) {
    scan.readPosition = start;
    probe_->scanner.Flush();
    probe_->scanner.NextToken();
    farthest = std::max(farthest, scan.readPosition);
  }
  return std::min(farthest, text.size());
}

}  // namespace Velkor::OrvTessan
