// Fuzz target `expr`: the input is one expression text for ParseExpression,
// its result rendered as a host expression tree.
#include "fuzz_machine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Velkor::Fuzz;
  FuzzMachine& machine = FuzzMachine::Get();
  machine.Run(TextOf(data, size), [&](Channel& channel) {
    Velkor::Orv::SmartPointer<Velkor::Orv::INCExpression> result;
    machine.ParseExpression(channel, TextOf(data, size), result);
  });
  return 0;
}
