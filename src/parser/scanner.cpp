// The scanner instances around the generated automaton.
#include "parser/scanner.h"

#include <cstring>

#include "parser/nc_scanner.h"
#include "parser/scanner_hooks.h"

namespace Velkor::OrvTessan {

void ScannerHooks::Fatal(const char* text) {
  const bool overflow = std::strstr(text, "input buffer overflow") != nullptr;
  const bool memory = std::strstr(text, "out of dynamic memory") != nullptr;
  throw ScannerFailure(overflow ? ScannerFailure::Reason::kTokenTooLong
                       : memory ? ScannerFailure::Reason::kOutOfMemory
                                : ScannerFailure::Reason::kInternal,
                       text);
}

Scanner::Scanner(ParseState& state) : state_(state) {}

Scanner::~Scanner() {
  if (flex_ != nullptr) {
    delete static_cast<ScannerHooks*>(ncscanget_extra(flex_));
    ncscanlex_destroy(flex_);
  }
}

int Scanner::NextToken() {
  if (flex_ == nullptr) {
    if (ncscanlex_init_extra(new ScannerHooks{state_, value_}, &flex_) != 0)
      throw ScannerFailure(ScannerFailure::Reason::kOutOfMemory, "out of dynamic memory");
  }
  value_.view = TokenValue::View::kNone;
  return ncscanlex(flex_);
}

void Scanner::Flush() {
  if (flex_ != nullptr) ncscanrestart(nullptr, flex_);
}

}  // namespace Velkor::OrvTessan
