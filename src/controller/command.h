// A controller command the host executes by name, with evaluated arguments.
#pragma once

#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/channel.h"

namespace Velkor::OrvTessan {

class ICommand {
 public:
  virtual ~ICommand() = default;
  // True on success; a failure sets `status` to 0 and may write `message`.
  virtual bool Execute(Orv::SmartPointer<Orv::ArgumentTable> arguments, Orv::IChannel* channel, std::uint32_t& status,
                       Orv::String& message) = 0;
};

}  // namespace Velkor::OrvTessan
