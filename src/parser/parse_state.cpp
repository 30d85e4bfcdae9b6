#include "parser/parse_state.h"

namespace Velkor::OrvTessan {

void ScanState::SetInput(std::string_view text) {
  currentText.assign(text);
  readPosition = 0;
}

ParseState::ParseState() : programScanner(*this), expressionScanner(*this) {}

ParseState& ParseState::Global() {
  static ParseState state;
  return state;
}

}  // namespace Velkor::OrvTessan
