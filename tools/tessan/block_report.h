// One block as parse and check report it: whether the plug-in refused it and
// with what message, the notices the channel recorded while it was parsed,
// and the diagnostics and JSON made of them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "commands.h"
#include "json_writer.h"
#include "orv/base.h"
#include "orv/context.h"

namespace Velkor::Tessan {

// Where a block stands, and its text.
struct BlockPlace {
  const std::string& file;
  std::int32_t line;
  // Null for a line too long to be held.
  const Orv::String* text;
};

struct BlockOutcome {
  bool refused = false;
  ParserMessage message;
  // The subprograms the block passed arguments to without EXTERN, each once.
  std::vector<Orv::String> undeclaredSubprograms;

  std::size_t warningCount() const { return undeclaredSubprograms.size(); }
};

// The notice for a call that passes arguments to a subprogram without
// EXTERN.
std::string NoExternNotice(std::string_view subprogram);

// Parses `block` into `context`, which has begun a new block (and so
// emptied the channel's record of undeclared subprograms).
BlockOutcome ParseInto(Session& session, Orv::IParseContext& context, const Orv::String& block);

// A line too long to parse, refused as the plug-in refuses every block of
// 512 characters or more.
BlockOutcome OverLongOutcome();

// The block's diagnostics in the compilers' form, one line each:
// "FILE:LINE: warning: ..." for every notice, then "FILE:LINE: error: ..."
// when the block was refused. Empty for a block without any.
std::string DiagnosticLines(const BlockPlace& place, const BlockOutcome& outcome);

// The members "file", "line" and "text" (null for a line too long to be
// held) of a block's JSON object.
void WritePlaceMembers(JsonWriter& json, const BlockPlace& place);

// The members "error" (null, or its "kind" and "message") and "warnings"
// (the texts of the notices) of a block's JSON object.
void WriteOutcomeMembers(JsonWriter& json, const BlockOutcome& outcome);

}  // namespace Velkor::Tessan
