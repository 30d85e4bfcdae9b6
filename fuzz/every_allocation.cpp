// Every allocation failing in turn: for each program (every line a block)
// and each expression file (`expr TEXT` and `eval TEXT` lines) named on the
// command line, the 1st, 2nd, 3rd ... allocation of the host's shared heap
// fails, each time on the channel as it was set up, until the parses
// complete without reaching the failure. The parse that meets the failure
// must report it (a failure with a message) or give exactly what it gives
// without it; the next block must parse; no crash, no exception out of the
// plug-in, and no host object left alive. Prints the number of failure
// points exercised.
#include <mirel/memory.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "fuzz_machine.h"

namespace Velkor::Fuzz {
namespace {

using Memory::CppMemory;

constexpr std::string_view kProbe = "N1 G1 X10";

struct Program {
  std::string text;
  std::vector<std::string_view> lines;
  bool blocks = true;
};

Program Load(const std::string& path) {
  Program program;
  std::ifstream in(path, std::ios::binary);
  program.text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  program.blocks = !path.ends_with(".exprs");
  for (std::string_view line : LinesOf(reinterpret_cast<const std::uint8_t*>(program.text.data()), program.text.size(),
                                       program.text.size() + 1)) {
    if (program.blocks) {
      program.lines.push_back(line);
    } else if (line.starts_with("expr ") || line.starts_with("eval ")) {
      program.lines.push_back(line.substr(5));
    }
  }
  return program;
}

Parsed ParseLine(FuzzMachine& machine, Channel& channel, const Program& program, std::size_t line) {
  Orv::SmartPointer<Orv::INCExpression> result;
  return program.blocks ? machine.ParseBlock(channel, program.lines[line])
                        : machine.ParseExpression(channel, program.lines[line], result);
}

// The lines of the program up to the one that meets the `failing`-th
// allocation, then the probe block; false when no line met it.
bool RunFailing(FuzzMachine& machine, const Program& program, const std::vector<Parsed>& expected, std::size_t failing,
                const std::string& path) {
  bool reached = false;
  machine.Run(program.text, [&](Channel& channel) {
    CppMemory::FailAllocationAfter(failing);
    for (std::size_t line = 0; line < program.lines.size() && !reached; ++line) {
      const Parsed parsed = ParseLine(machine, channel, program, line);
      reached = CppMemory::AllocationFailureReached();
      if (!reached) continue;
      CppMemory::FailAllocationAfter(0);
      const std::string where = path + ":" + std::to_string(line + 1) + ": allocation " + std::to_string(failing);
      if (parsed.result != Orv::ORV_SUCCESS && parsed.message.empty()) Fault(where + ": failure without a message");
      if (parsed.result == Orv::ORV_SUCCESS &&
          (expected[line].result != Orv::ORV_SUCCESS || parsed.trace != expected[line].trace)) {
        Fault(where + ": failure unreported; the trace\n" + parsed.trace + "instead of\n" + expected[line].trace);
      }
      if (machine.ParseBlock(channel, kProbe).result != Orv::ORV_SUCCESS) Fault(where + ": the next block failed");
    }
    CppMemory::FailAllocationAfter(0);
  });
  return reached;
}

std::size_t FailEachAllocation(FuzzMachine& machine, const std::string& path) {
  const Program program = Load(path);
  std::vector<Parsed> expected;
  machine.Run(program.text, [&](Channel& channel) {
    for (std::size_t line = 0; line < program.lines.size(); ++line) {
      expected.push_back(ParseLine(machine, channel, program, line));
    }
  });
  std::size_t failing = 1;
  while (RunFailing(machine, program, expected, failing, path)) ++failing;
  return failing - 1;
}

}  // namespace
}  // namespace Velkor::Fuzz

int main(int argumentCount, char** arguments) {
  using namespace Velkor::Fuzz;
  FuzzMachine& machine = FuzzMachine::Get();
  std::size_t points = 0;
  for (int index = 1; index < argumentCount; ++index) points += FailEachAllocation(machine, arguments[index]);
  std::fprintf(stderr, "%zu failure points in %d files\n", points, argumentCount - 1);
  return 0;
}
