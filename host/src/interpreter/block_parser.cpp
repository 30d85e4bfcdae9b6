#include "interpreter/block_parser.h"

#include <algorithm>
#include <string_view>

#include "orvref/execution_context.h"

namespace Velkor::OrvReference {
namespace {

// A block that defines a macro changes how the blocks after it read; such a
// block hands over no statement and names DEFINE.
bool MayDefineMacro(const ParsedBlock& block, const Orv::String& text) {
  static constexpr std::string_view kDefine = "DEFINE";
  if (!block.statements.empty()) return false;
  const auto found = std::search(text.begin(), text.end(), kDefine.begin(), kDefine.end(),
                                 [](char a, char b) { return (a >= 'a' && a <= 'z' ? a - 'a' + 'A' : a) == b; });
  return found != text.end();
}

std::uint64_t Combine(std::uint64_t digest, std::uint64_t value) {
  return (digest ^ value) * 0x100000001b3ULL + 0x9e3779b97f4a7c15ULL;
}

}  // namespace

BlockParser::BlockParser(ExecutionContext& context, Orv::IProgramParser& parser)
    : context_(context), parser_(parser), collector_(context) {}

std::size_t BlockParser::Slot(std::int32_t program, std::int32_t line) {
  return (static_cast<std::size_t>(line) * 31 + static_cast<std::size_t>(program)) % kEntries;
}

std::uint64_t BlockParser::Environment() const {
  std::uint64_t digest = Combine(0, context_.scope().Signature());
  digest = Combine(digest, context_.channel().subprogramDeclarationCount());
  return Combine(digest, macroDefinitions_);
}

std::shared_ptr<const ParsedBlock> BlockParser::Cached(std::int32_t program, std::int32_t line) const {
  const Entry& entry = entries_[Slot(program, line)];
  if (entry.program != program || entry.line != line || entry.environment != Environment()) return nullptr;
  return entry.block;
}

std::shared_ptr<const ParsedBlock> BlockParser::ParseToRun(std::int32_t program, std::int32_t line,
                                                           const Orv::String& text) {
  return Parse(program, line, text, true);
}

std::shared_ptr<const ParsedBlock> BlockParser::ParseForLabels(std::int32_t program, std::int32_t line,
                                                               const Orv::String& text) {
  return Parse(program, line, text, false);
}

std::shared_ptr<ParsedBlock> BlockParser::FreshBlock() {
  if (spare_.empty()) return std::make_shared<ParsedBlock>();
  std::shared_ptr<ParsedBlock> block = std::move(spare_.back());
  spare_.pop_back();
  block->statements.clear();
  block->failed = false;
  block->message.clear();
  block->undeclaredCalls.clear();
  return block;
}

void BlockParser::Store(Entry entry) {
  Entry& slot = entries_[Slot(entry.program, entry.line)];
  // A block nobody runs any more lends its memory to the next parse.
  if (slot.block && slot.block.use_count() == 1) spare_.push_back(std::const_pointer_cast<ParsedBlock>(slot.block));
  slot = std::move(entry);
}

std::shared_ptr<const ParsedBlock> BlockParser::Parse(std::int32_t program, std::int32_t line, const Orv::String& text,
                                                      bool declare) {
  const std::uint64_t environment = Environment();
  Channel& channel = context_.channel();
  channel.ForgetUndeclaredSubprogramQueries();
  std::shared_ptr<ParsedBlock> block = FreshBlock();
  collector_.Begin(declare, block->statements);
  std::int32_t kind = 0;
  Orv::String message;
  const Orv::TResult result = parser_.ParseBlock(text, &collector_, &kind, &message);
  collector_.End();

  block->failed = result != Orv::ORV_SUCCESS;
  if (block->failed) block->message.assign(message.data(), message.size());
  for (const Orv::String& name : channel.undeclaredSubprogramQueries()) {
    std::vector<Orv::String>& names = block->undeclaredCalls;
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }

  bool keep = !block->failed;
  if (MayDefineMacro(*block, text)) {
    ++macroDefinitions_;
    keep = false;
  }
  // A parse that leaves the declarations out only counts when the block
  // declares nothing.
  for (const Statement& statement : block->statements) {
    if (!declare && statement.kind == Statement::Kind::kDeclaration) keep = false;
  }
  if (keep) Store({program, line, environment, block});
  return block;
}

}  // namespace Velkor::OrvReference
