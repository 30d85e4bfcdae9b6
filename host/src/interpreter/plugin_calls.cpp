#include "interpreter/plugin_calls.h"

#include "orvref/argument_table.h"
#include "orvref/execution_context.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

std::string MessageOf(const Orv::String& message, const char* what) {
  if (!message.empty()) return std::string(message.data(), message.size());
  return std::string(what) + " failed without a message.";
}

}  // namespace

bool CallMethod(ExecutionContext& context, const char* name, ArgumentValues arguments,
                SmartPointer<Orv::INCObject>& result, std::string& error) {
  Orv::IMethodMapper* methods = context.methodMapper();
  std::uint32_t status = 0;
  Orv::String message;
  if (methods && methods->EvaluateMethod(name, MakeArgumentTable(std::move(arguments)), &context, result, status,
                                         message) == Orv::ORV_SUCCESS) {
    return true;
  }
  error = MessageOf(message, name);
  return false;
}

bool ExecuteCommand(Orv::ICommandMapper& commands, Orv::IChannel& channel, const Orv::String& name,
                    ArgumentValues arguments, std::string& error) {
  std::uint32_t status = 0;
  Orv::String message;
  if (commands.ExecuteCommand(name, MakeArgumentTable(std::move(arguments)), &channel, status, message) ==
      Orv::ORV_SUCCESS) {
    return true;
  }
  error = MessageOf(message, name.c_str());
  return false;
}

}  // namespace Velkor::OrvReference
