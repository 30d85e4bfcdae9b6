// The machine's command mapper: executes controller commands by name.
#pragma once

#include <map>
#include <memory>

#include "controller/command.h"
#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/channel.h"
#include "orv/plugin.h"

namespace Velkor::OrvTessan {

class CommandMapper final : public Orv::ICommandMapper {
 public:
  CommandMapper();
  ~CommandMapper() override;

  Orv::TResult ExecuteCommand(const Orv::String& name, Orv::SmartPointer<Orv::ArgumentTable> arguments,
                              Orv::IChannel* channel, std::uint32_t& status, Orv::String& message) override;

 private:
  template <class Command>
  void Register(const char* name);

  std::map<Orv::String, std::unique_ptr<ICommand>> commands_;
};

}  // namespace Velkor::OrvTessan
