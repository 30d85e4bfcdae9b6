// What the commands take from the channel besides its transformations.
#pragma once

#include "orv/base.h"
#include "orv/channel.h"
#include "orv/context.h"
#include "orv/factories.h"

namespace Velkor::OrvTessan {

// Null when the channel has no execution context.
inline Orv::SmartPointer<Orv::IValueFactory> ChannelValueFactory(Orv::IChannel& channel) {
  Orv::IExecutionContext* context = channel.GetExecutionContext();
  return context ? context->GetValueFactory() : nullptr;
}

inline Orv::IVariableScope* ChannelVariableScope(Orv::IChannel& channel) {
  Orv::IExecutionContext* context = channel.GetExecutionContext();
  return context ? context->GetVariableScope() : nullptr;
}

}  // namespace Velkor::OrvTessan
