// The per-channel controller state: prepares a channel for the NC language
// by registering the "FRAME" and "AXIS" structure types.
#pragma once

#include "orv/base.h"
#include "orv/channel.h"
#include "orv/plugin.h"

namespace Velkor::OrvTessan {

class ControllerState final : public Orv::IControllerState {
 public:
  ControllerState();
  ~ControllerState() override;

  Orv::IControllerState* Duplicate() override;
  Orv::TResult Initialize(Orv::IChannel* channel) override;

 private:
  Orv::String text_;  // kept for the host; no operation of the plug-in sets it
};

}  // namespace Velkor::OrvTessan
