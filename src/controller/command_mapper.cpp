#include "controller/command_mapper.h"

#include "controller/commands/commands.h"
#include "plugin/messages.h"
#include "plugin/results.h"

namespace Velkor::OrvTessan {

template <class Command>
void CommandMapper::Register(const char* name) {
  commands_.emplace(name, std::make_unique<Command>());
}

CommandMapper::CommandMapper() {
  Register<SetFrameElementCommand>("SetFrameElement");
  Register<SetFrameTransformationCommand>("SetFrameTransformation");
  Register<SetFrameByTrafoCommand>("SetFrameByTrafo");
  Register<SetTrafoByFrameCommand>("SetTrafoByFrame");
  Register<AssignArrayCommand>("AssignArray");
  Register<AssignStringCommand>("AssignString");
}

CommandMapper::~CommandMapper() = default;

// A command that fails without saying why is reported as an internal error;
// a message it wrote itself is kept. The message is cleared first so that a
// text the host left in it is never taken for the command's.
Orv::TResult CommandMapper::ExecuteCommand(const Orv::String& name, Orv::SmartPointer<Orv::ArgumentTable> arguments,
                                           Orv::IChannel* channel, std::uint32_t& status, Orv::String& message) {
  const auto found = commands_.find(name);
  if (found == commands_.end()) {
    status = 0;
    message = FormatMessage(kUnknownCommand, name.c_str());
    return kUnknownCommandResult;
  }
  message.clear();
  if (channel != nullptr && found->second->Execute(std::move(arguments), channel, status, message)) return kSuccess;
  status = 0;
  if (message.empty()) message = FormatMessage(kInternalError);
  return kFailure;
}

}  // namespace Velkor::OrvTessan
