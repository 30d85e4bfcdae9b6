// What the grammar and its actions see of the driver that runs them: the
// process-wide state, the scanner instance feeding this parse and, for a
// block, the parse context that receives its statements.
#pragma once

#include <optional>

#include "parser/parse_state.h"

namespace Velkor::OrvTessan {

struct ParseSession {
  ParseState& state;
  Scanner& scanner;
  Orv::IParseContext* context;  // null while parsing a bare expression
  // Set by the token bridge when the scanner failed; the driver reports it.
  std::optional<ScannerFailure::Reason> scannerFailure;

  HostObjects& host() const { return state.host; }
  ParseArena& arena() const { return state.arena; }
};

}  // namespace Velkor::OrvTessan
