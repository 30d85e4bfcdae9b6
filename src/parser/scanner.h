// One instance of the NC scanner. Both instances (program and expression)
// read the shared input of the parse state; each has its own buffer, match
// state and token value record.
#pragma once

#include <cstdint>
#include <stdexcept>

#include "parser/parser_types.h"

namespace Velkor::OrvTessan {

struct ParseState;

// The value record the scanner fills for each token: a text, an integer or an
// address word, depending on the token.
struct TokenValue {
  static constexpr std::size_t kTextCapacity = 512;  // text view: at most 511 characters
  enum class View { kNone, kText, kInteger, kAddress };
  View view;  // which view the last token wrote; kNone leaves the record as it was
  char text[kTextCapacity];
  std::int32_t integer;
  AddressWord address;
};

// A condition the scanner cannot recover from inside the current text.
class ScannerFailure : public std::runtime_error {
 public:
  enum class Reason { kTokenTooLong, kOutOfMemory, kInternal };
  ScannerFailure(Reason reason, const char* what) : std::runtime_error(what), reason_(reason) {}
  Reason reason() const noexcept { return reason_; }

 private:
  Reason reason_;
};

class Scanner {
 public:
  explicit Scanner(ParseState& state);
  ~Scanner();
  Scanner(const Scanner&) = delete;
  Scanner& operator=(const Scanner&) = delete;

  // The next token code, 0 at the end of the current text; its value is in
  // Value(). Throws ScannerFailure on a token that does not fit the buffer
  // or when storage runs out.
  int NextToken();
  const TokenValue& Value() const { return value_; }

  // Discards the buffered input, so that the next call reads afresh from the
  // shared read position.
  void Flush();

 private:
  ParseState& state_;
  void* flex_ = nullptr;  // the generated scanner's state, made on first use
  TokenValue value_{};
};

}  // namespace Velkor::OrvTessan
