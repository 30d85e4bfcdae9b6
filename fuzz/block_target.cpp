// Fuzz target `block`: every line of the input is a block of one program,
// parsed by ParseBlock in turn on one channel, its trace rendered. A block
// the plug-in reads directly, without the grammar, is parsed again through
// the grammar, and the two readings must agree.
#include "fuzz_machine.h"
#include "orv/string_util.h"
#include "parser/parse_state.h"
#include "parser/plain_block.h"

namespace {

using namespace Velkor;

bool ReadDirectly(std::string_view block) {
  if (!OrvTessan::ParseState::Global().macros.empty()) return false;
  Orv::String text(block.data(), block.size());
  Orv::StringUtil::ToUpper(text);
  return OrvTessan::IsPlainBlock(std::string_view(text.data(), text.size()));
}

void CompareWithTheGrammar(Fuzz::FuzzMachine& machine, Fuzz::Channel& channel, std::string_view block,
                           const Fuzz::Parsed& direct) {
  OrvTessan::ParseState& state = OrvTessan::ParseState::Global();
  state.readPlainBlocks = false;
  const Fuzz::Parsed grammar = machine.ParseBlock(channel, block);
  state.readPlainBlocks = true;
  if (grammar.result != direct.result || grammar.kind != direct.kind || grammar.message != direct.message ||
      grammar.trace != direct.trace) {
    Fuzz::Fault("the direct reading differs from the grammar's: " + std::string(block));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Velkor::Fuzz;
  FuzzMachine& machine = FuzzMachine::Get();
  machine.Run(TextOf(data, size), [&](Channel& channel) {
    for (const std::string_view line : LinesOf(data, size)) {
      const bool direct = ReadDirectly(line);
      const Parsed parsed = machine.ParseBlock(channel, line);
      if (direct) CompareWithTheGrammar(machine, channel, line, parsed);
    }
  });
  return 0;
}
