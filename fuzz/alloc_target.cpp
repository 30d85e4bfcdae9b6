// Fuzz target `alloc`: the input chooses which allocation of the host's
// shared heap fails. Bytes 0 and 1 give its number k, byte 2 whether the
// rest is a program (lines, each a block) or one expression. The input runs
// once as it is, then again with the k-th allocation failing: the parse
// that meets the failure must report it (a failure with a message) or give
// exactly what it gave without the failure; the parses after it run on.
#include <mirel/memory.h>

#include "fuzz_machine.h"

namespace Velkor::Fuzz {
namespace {

using Memory::CppMemory;

struct Program {
  std::string_view text;
  std::vector<std::string_view> lines;
  bool blocks = true;
};

// The outcome of every line; the first failing allocation is the
// `failing`-th of the parses (0: none). Sets `reachedAt` to the line that
// met it.
std::vector<Parsed> ParseAll(FuzzMachine& machine, const Program& program, std::size_t failing,
                             std::size_t& reachedAt) {
  std::vector<Parsed> outcomes;
  reachedAt = program.lines.size();
  machine.Run(program.text, [&](Channel& channel) {
    CppMemory::FailAllocationAfter(failing);
    for (std::size_t line = 0; line < program.lines.size(); ++line) {
      Orv::SmartPointer<Orv::INCExpression> result;
      outcomes.push_back(program.blocks ? machine.ParseBlock(channel, program.lines[line])
                                        : machine.ParseExpression(channel, program.lines[line], result));
      if (failing != 0 && reachedAt == program.lines.size() && CppMemory::AllocationFailureReached()) {
        reachedAt = line;
        CppMemory::FailAllocationAfter(0);
      }
    }
    CppMemory::FailAllocationAfter(0);
  });
  return outcomes;
}

void Check(const Parsed& expected, const Parsed& failed, std::size_t line) {
  const std::string where = "line " + std::to_string(line + 1) + ": ";
  if (failed.result != Orv::ORV_SUCCESS) {
    if (failed.message.empty()) Fault(where + "a failed allocation reported without a message");
    return;
  }
  if (expected.result != Orv::ORV_SUCCESS || failed.trace != expected.trace) {
    Fault(where + "a failed allocation unreported; the trace\n" + failed.trace + "instead of\n" + expected.trace);
  }
}

}  // namespace
}  // namespace Velkor::Fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Velkor::Fuzz;
  if (size < 3) return 0;
  const std::size_t failing = 1 + (data[0] | data[1] << 8);
  Program program{TextOf(data + 3, size - 3), LinesOf(data + 3, size - 3, 64), data[2] % 2 == 0};
  if (!program.blocks && program.lines.size() > 1) program.lines.resize(1);
  FuzzMachine& machine = FuzzMachine::Get();
  std::size_t reachedAt = 0;
  const std::vector<Parsed> expected = ParseAll(machine, program, 0, reachedAt);
  const std::vector<Parsed> failed = ParseAll(machine, program, failing, reachedAt);
  if (reachedAt < program.lines.size()) Check(expected[reachedAt], failed[reachedAt], reachedAt);
  return 0;
}
