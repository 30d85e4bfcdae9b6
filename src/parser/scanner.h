// One instance of the NC scanner. Both instances (program and expression)
// read the shared input of the parse state; each has its own buffer, match
// state and token value record.
#pragma once

#include <stdexcept>

#include "parser/scanner_actions.h"
#include "parser/token_value.h"

namespace Velkor::OrvTessan {

// A condition the scanner cannot recover from inside the current text.
class ScannerFailure : public std::runtime_error {
 public:
  enum class Reason { kTokenTooLong, kOutOfMemory, kInternal };
  ScannerFailure(Reason reason, const char* what) : std::runtime_error(what), reason_(reason) {}
  Reason reason() const noexcept { return reason_; }

 private:
  Reason reason_;
};

struct GeneratedAutomaton;

class Scanner {
 public:
  // Reads the current text of `scan`; expands the macros of `macros` during
  // the pre-scan. Fed one character at a time (scan.oneCharacterAtATime) it
  // runs the automaton of compressed tables, which reads as far as the read
  // count of a syntax error message says; else the faster one of full
  // tables.
  Scanner(ScanState& scan, const MacroTable& macros);
  ~Scanner();
  Scanner(const Scanner&) = delete;
  Scanner& operator=(const Scanner&) = delete;

  // The next token code, 0 at the end of the current text; its value is in
  // Value(). After the 0 the next call starts on a new text. Throws
  // ScannerFailure on a token that does not fit the buffer or when storage
  // runs out; the instance is then ready for the next text.
  int NextToken();
  const TokenValue& Value() const { return value_; }

  // Discards the buffered input, so that the next call reads afresh from the
  // shared read position.
  void Flush();

 private:
  // The automaton for the way the current text is read.
  const GeneratedAutomaton* AutomatonForReading() const;
  void Create();
  void Destroy();
  // A fresh instance of the automaton for the way the text is read. Out of
  // line, so that the call every token makes keeps to a few instructions.
  [[gnu::noinline]] void Renew();

  TokenValue value_{};
  ScanActions actions_;
  const ScanState& scan_;
  const GeneratedAutomaton* automaton_;
  void* flex_ = nullptr;  // the generated scanner's state, made on first use
};

}  // namespace Velkor::OrvTessan
