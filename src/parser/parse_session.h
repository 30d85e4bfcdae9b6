// What the grammar and its actions see of the driver that runs them: the
// process-wide state, the scanner instance feeding this parse and, for a
// block, the parse context that receives its statements.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "orv/context.h"
#include "parser/parse_state.h"

namespace Velkor::OrvTessan {

struct ParseSession {
  ParseState& state;
  Scanner& scanner;
  Orv::IParseContext* context;  // null while parsing a bare expression
  // Set by the token bridge when the scanner failed; the driver reports it.
  std::optional<ScannerFailure::Reason> scannerFailure;

  // The parser's stack once it outgrows its first one (deep nesting) is
  // held here, so that an exception thrown through the parser releases it.
  std::vector<std::unique_ptr<std::byte[]>> parserStacks = {};

  HostObjects& host() const { return state.host; }
  ParseArena& arena() const { return state.arena; }

  void* AllocateParserStack(std::size_t size) {
    parserStacks.emplace_back(new std::byte[size]);
    return parserStacks.back().get();
  }
  void FreeParserStack(void* stack) {
    std::erase_if(parserStacks, [stack](const auto& held) { return held.get() == stack; });
  }
};

}  // namespace Velkor::OrvTessan
