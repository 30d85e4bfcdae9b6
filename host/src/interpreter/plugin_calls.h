// Calls into the plug-in with evaluated arguments: its controller functions
// through the method mapper and its commands through the command mapper.
// A failure gives the plug-in's message.
#pragma once

#include <string>
#include <vector>

#include "orv/base.h"
#include "orv/channel.h"
#include "orv/plugin.h"
#include "orv/values.h"
#include "values/basic_value.h"

namespace Velkor::OrvReference {

class ExecutionContext;

using ArgumentValues = std::vector<Orv::SmartPointer<Orv::INCObject>>;

// The method's result (null for a method without a value).
bool CallMethod(ExecutionContext& context, const char* name, ArgumentValues arguments,
                Orv::SmartPointer<Orv::INCObject>& result, std::string& error);

bool ExecuteCommand(Orv::ICommandMapper& commands, Orv::IChannel& channel, const Orv::String& name,
                    ArgumentValues arguments, std::string& error);

}  // namespace Velkor::OrvReference
