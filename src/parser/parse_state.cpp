#include "parser/parse_state.h"

namespace Velkor::OrvTessan {

void ScanState::SetInput(std::string_view text) {
  currentText.assign(text);
  readPosition = 0;
  matchStarts.clear();
}

ParseState::ParseState() : programScanner(scan, macros), expressionScanner(scan, macros) {}

}  // namespace Velkor::OrvTessan
