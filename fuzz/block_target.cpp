// Fuzz target `block`: every line of the input is a block of one program,
// parsed by ParseBlock in turn on one channel, its trace rendered.
#include "fuzz_machine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Velkor::Fuzz;
  FuzzMachine& machine = FuzzMachine::Get();
  machine.Run([&](Channel& channel) {
    for (const std::string_view line : LinesOf(data, size)) machine.ParseBlock(channel, line);
  });
  return 0;
}
