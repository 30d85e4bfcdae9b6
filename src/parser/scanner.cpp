// The scanner instances around the generated automata.
#include "parser/scanner.h"

#include <new>

#include "parser/nc_compressed_scanner.h"
#include "parser/nc_scanner.h"
#include "parser/parse_state.h"

namespace Velkor::OrvTessan {

// The entry points of one generated automaton.
struct GeneratedAutomaton {
  int (*initialize)(ScanActions* actions, void** flex);
  int (*scan)(void* flex);
  int (*destroy)(void* flex);
  void (*restart)(std::FILE* stream, void* flex);
};

namespace {

constexpr GeneratedAutomaton kFullTables{ncscanlex_init_extra, ncscanlex, ncscanlex_destroy, ncscanrestart};
constexpr GeneratedAutomaton kCompressedTables{nccompressedlex_init_extra, nccompressedlex, nccompressedlex_destroy,
                                               nccompressedrestart};

}  // namespace

Scanner::Scanner(ScanState& scan, const MacroTable& macros)
    : actions_(scan, macros, value_), scan_(scan), automaton_(&kFullTables) {}

Scanner::~Scanner() {
  Destroy();
}

const GeneratedAutomaton* Scanner::AutomatonForReading() const {
  return scan_.oneCharacterAtATime ? &kCompressedTables : &kFullTables;
}

void Scanner::Create() {
  automaton_ = AutomatonForReading();
  if (automaton_->initialize(&actions_, &flex_) != 0) {
    flex_ = nullptr;
    throw ScannerFailure(ScannerFailure::Reason::kOutOfMemory, "out of dynamic memory in yylex_init()");
  }
  // Making the buffer here, with no stream behind it, keeps the generated
  // code from probing the standard input; the characters come from
  // ScanActions::ReadInput.
  Flush();
}

void Scanner::Destroy() {
  if (flex_ != nullptr) automaton_->destroy(flex_);
  flex_ = nullptr;
}

void Scanner::Renew() {
  Destroy();
  Create();
}

int Scanner::NextToken() {
  try {
    // The other way of reading takes the other automaton.
    if (flex_ == nullptr || automaton_ != AutomatonForReading()) [[unlikely]]
      Renew();
    value_.view = TokenValue::View::kNone;
    // At the end of the text the generated scanner has already started its
    // buffer afresh (yyrestart), so the next text is read from its start.
    return automaton_->scan(flex_);
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
  if (flex_ != nullptr) automaton_->restart(nullptr, flex_);
}

}  // namespace Velkor::OrvTessan
