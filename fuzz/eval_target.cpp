// Fuzz target `eval`: evaluation as a running program does it. The first
// byte chooses what the rest is:
// - even: lines of a program; every line but the last is a block whose
//   assigned values are evaluated and whose internal commands are executed
//   through the command mapper, the last an expression, evaluated;
// - odd: a controller command (byte 1 odd) or method (even) picked by byte 2
//   from the mapper's names, called with the arguments the rest makes.
#include <cstring>

#include "argument_maker.h"
#include "executing_context.h"
#include "fuzz_machine.h"
#include "orvref/argument_table.h"

namespace Velkor::Fuzz {
namespace {

using Orv::SmartPointer;

const char* const kCommands[] = {"SetFrameElement", "SetFrameTransformation", "SetFrameByTrafo", "SetTrafoByFrame",
                                 "AssignArray",     "AssignString",           "NoSuchCommand"};
const char* const kMethods[] = {"ResetControllerState",
                                "GetSubProgPos",
                                "GetJointNumber",
                                "CreateAxis",
                                "CreateFrame",
                                "GetFrameElement",
                                "GetFrameFromMatrix",
                                "GetMatrixFromFrame",
                                "InvertFrame",
                                "MultiplyFrames",
                                "NUMBER",
                                "ISNUMBER",
                                "ISVAR",
                                "TRUNC",
                                "CalculateCenterFromRadius",
                                "FormatString",
                                "getFrameElement",
                                "NoSuchMethod"};

SmartPointer<Orv::INCObject> Evaluate(Channel& channel, const Orv::INCObjectExpression* expression) {
  SmartPointer<Orv::INCObject> value;
  std::string message;
  if (expression) channel.context.Evaluate(expression, value, message);
  return value;
}

// As a running program does: the arguments evaluated, then the command.
void Execute(FuzzMachine& machine, Channel& channel, const ExecutingContext::InternalCommand& command) {
  std::vector<SmartPointer<Orv::INCObject>> values;
  for (std::int32_t index = 0; index < command.arguments->GetArgumentListSize(); ++index) {
    SmartPointer<Orv::INCObjectExpression> argument;
    command.arguments->GetListArgument(index, argument);
    values.push_back(Evaluate(channel, argument.get()));
  }
  std::uint32_t status = 0;
  Orv::String message;
  machine.commands().ExecuteCommand(command.name, OrvReference::MakeArgumentTable(std::move(values)),
                                    &channel.context.channel(), status, message);
}

void RunProgram(FuzzMachine& machine, Channel& channel, const std::uint8_t* data, std::size_t size) {
  std::vector<std::string_view> lines = LinesOf(data, size);
  if (lines.empty()) return;
  const std::string_view expression = lines.back();
  lines.pop_back();
  ExecutingContext executing(channel.recorder);
  for (const std::string_view block : lines) {
    if (machine.ParseBlock(channel, block, &executing).result != Orv::ORV_SUCCESS) continue;
    for (const auto& item : channel.recorder.items()) Evaluate(channel, item.value.get());
    for (const auto& command : executing.TakeInternalCommands()) Execute(machine, channel, command);
  }
  SmartPointer<Orv::INCExpression> result;
  machine.ParseExpression(channel, expression, result);
  Evaluate(channel, result.get());
}

template <std::size_t count>
const char* Pick(const char* const (&names)[count], std::uint8_t choice) {
  return names[choice % count];
}

void CallByName(FuzzMachine& machine, Channel& channel, const std::uint8_t* data, std::size_t size) {
  if (size < 2) return;
  ArgumentMaker maker(channel, data + 2, size - 2);
  const SmartPointer<Orv::ArgumentTable> arguments = OrvReference::MakeArgumentTable(maker.Arguments());
  std::uint32_t status = 0;
  Orv::String message;
  if (data[0] % 2 == 1) {
    machine.commands().ExecuteCommand(Pick(kCommands, data[1]), arguments, &channel.context.channel(), status, message);
    return;
  }
  const char* name = Pick(kMethods, data[1]);
  SmartPointer<Orv::INCType> type;
  machine.methods().GetMethodReturnType(name, &channel.context, type);
  SmartPointer<Orv::INCObject> result;
  machine.methods().EvaluateMethod(name, arguments, &channel.context, result, status, message);
}

}  // namespace
}  // namespace Velkor::Fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Velkor::Fuzz;
  if (size == 0) return 0;
  FuzzMachine& machine = FuzzMachine::Get();
  machine.Run(TextOf(data, size), [&](Channel& channel) {
    if (data[0] % 2 == 0) {
      RunProgram(machine, channel, data + 1, size - 1);
    } else {
      CallByName(machine, channel, data + 1, size - 1);
    }
  });
  return 0;
}
