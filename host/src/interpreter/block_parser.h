// The plug-in's parse of the blocks a run reaches, and a small cache of
// them: a block that runs again (in a loop) is parsed again only when
// something its parse depends on has changed since: the declarations in
// sight, the subprogram declarations, or the macros.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "interpreter/statement.h"
#include "interpreter/statement_collector.h"
#include "orv/base.h"
#include "orv/plugin.h"

namespace Velkor::OrvReference {

class BlockParser {
 public:
  BlockParser(ExecutionContext& context, Orv::IProgramParser& parser);

  // The block at that line of that program when the cache holds it for the
  // declarations of now; null otherwise.
  std::shared_ptr<const ParsedBlock> Cached(std::int32_t program, std::int32_t line) const;
  // Parses a block to run: its declarations enter the variable scope.
  std::shared_ptr<const ParsedBlock> ParseToRun(std::int32_t program, std::int32_t line, const Orv::String& text);
  // Parses a block only to see its labels: the variables stay as they are.
  std::shared_ptr<const ParsedBlock> ParseForLabels(std::int32_t program, std::int32_t line, const Orv::String& text);

 private:
  struct Entry {
    std::int32_t program = -1;
    std::int32_t line = -1;
    std::uint64_t environment = 0;
    std::shared_ptr<const ParsedBlock> block;
  };
  static constexpr std::size_t kEntries = 64;

  std::shared_ptr<const ParsedBlock> Parse(std::int32_t program, std::int32_t line, const Orv::String& text,
                                           bool declare);
  // An empty block, made anew or one the cache let go of.
  std::shared_ptr<ParsedBlock> FreshBlock();
  void Store(Entry entry);
  // A digest of what a parse depends on.
  std::uint64_t Environment() const;
  static std::size_t Slot(std::int32_t program, std::int32_t line);

  ExecutionContext& context_;
  Orv::IProgramParser& parser_;
  StatementCollector collector_;
  std::array<Entry, kEntries> entries_;
  // Blocks no longer used, kept with their memory for the next parses.
  std::vector<std::shared_ptr<ParsedBlock>> spare_;
  // Blocks parsed that may have defined a macro.
  std::uint64_t macroDefinitions_ = 0;
};

}  // namespace Velkor::OrvReference
