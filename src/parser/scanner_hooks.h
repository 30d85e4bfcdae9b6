// The generated scanner's link to the rest of the parser: where it reads its
// characters from and where its actions leave their results.
#pragma once

#include <cstddef>

#include "parser/parse_state.h"

namespace Velkor::OrvTessan {

struct ScannerHooks {
  ParseState& state;
  TokenValue& value;

  // Hands the scanner the next character of the current text (0 at its end).
  int ReadCharacter(char* buffer) {
    ScanState& scan = state.scan;
    if (scan.readPosition >= scan.currentText.size()) return 0;
    *buffer = scan.currentText[scan.readPosition++];
    return 1;
  }

  void Append(const char* text, std::size_t length) { state.scan.expandedText.append(text, length); }

  [[noreturn]] static void Fatal(const char* text);
};

}  // namespace Velkor::OrvTessan
