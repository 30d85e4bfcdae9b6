// The scanner instances around the generated automaton.
#include "parser/scanner.h"

#include <new>

#include "parser/nc_scanner.h"

namespace Velkor::OrvTessan {

Scanner::Scanner(ScanState& scan, const MacroTable& macros) : actions_(scan, macros, value_) {}

Scanner::~Scanner() {
  Destroy();
}

void Scanner::Create() {
  if (ncscanlex_init_extra(&actions_, &flex_) != 0) {
    flex_ = nullptr;
    throw ScannerFailure(ScannerFailure::Reason::kOutOfMemory, "out of dynamic memory in yylex_init()");
  }
  // Making the buffer here, with no stream behind it, keeps the generated
  // code from probing the standard input; the characters come from
  // ScanActions::ReadInput.
  Flush();
}

void Scanner::Destroy() {
  if (flex_ != nullptr) ncscanlex_destroy(flex_);
  flex_ = nullptr;
}

int Scanner::NextToken() {
  try {
    if (flex_ == nullptr) Create();
    value_.view = TokenValue::View::kNone;
    const int token = ncscanlex(flex_);
    if (token == 0) Flush();
    return token;
  } catch (const ScannerFailure&) {
    // The failure may have struck halfway through the generated code's own
    // bookkeeping; a fresh instance is the only state known to be sound.
    Destroy();
    throw;
  } catch (const std::bad_alloc&) {
    Destroy();
    throw ScannerFailure(ScannerFailure::Reason::kOutOfMemory, "out of dynamic memory");
  }
}

void Scanner::Flush() {
  if (flex_ != nullptr) ncscanrestart(nullptr, flex_);
}

}  // namespace Velkor::OrvTessan
