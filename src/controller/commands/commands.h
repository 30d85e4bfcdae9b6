// The controller commands the command mapper registers. Each is stateless;
// the channel a command works on comes with every call.
#pragma once

#include "controller/command.h"
#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/channel.h"

namespace Velkor::OrvTessan {

#define TESSAN_COMMAND(Name)                                                                                     \
  class Name final : public ICommand {                                                                           \
   public:                                                                                                       \
    bool Execute(Orv::SmartPointer<Orv::ArgumentTable> arguments, Orv::IChannel* channel, std::uint32_t& status, \
                 Orv::String& message) override;                                                                 \
  };

// (frame, component, axis name, value): writes one element of a frame.
TESSAN_COMMAND(SetFrameElementCommand)
// (transformation, component, reset, frame variable, index...): applies one
// component of a frame variable, or of an element of a frame array, to a
// transformation of the channel.
TESSAN_COMMAND(SetFrameTransformationCommand)
// (frame, transformation): fills a frame from a transformation.
TESSAN_COMMAND(SetFrameByTrafoCommand)
// (transformation, frame): applies a whole frame to a transformation.
TESSAN_COMMAND(SetTrafoByFrameCommand)
// (array, first index, second index, list mode, values...): fills an array
// from a list of values or with one value repeated.
TESSAN_COMMAND(AssignArrayCommand)
// (string variable, position, text): replaces one character by a text.
TESSAN_COMMAND(AssignStringCommand)

#undef TESSAN_COMMAND

}  // namespace Velkor::OrvTessan
