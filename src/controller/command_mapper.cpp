#include "controller/command_mapper.h"

#include "frame/messages.h"
#include "frame/results.h"

namespace Velkor::OrvTessan {

CommandMapper::CommandMapper() = default;
CommandMapper::~CommandMapper() = default;

Orv::TResult CommandMapper::ExecuteCommand(const Orv::String& name, Orv::SmartPointer<Orv::ArgumentTable> arguments,
                                           Orv::IChannel* channel, std::uint32_t& status, Orv::String& message) {
  const auto found = commands_.find(name);
  if (found == commands_.end()) {
    status = 0;
    message = FormatMessage(kUnknownCommand, name.c_str());
    return kUnknownCommandResult;
  }
  if (found->second->Execute(std::move(arguments), channel, status, message)) return kSuccess;
  status = 0;
  if (message.empty()) message = FormatMessage(kInternalError);
  return kFailure;
}

}  // namespace Velkor::OrvTessan
