// SetFrameElement: writes one element of a frame, the axis given by name.
#include "controller/argument_fetch.h"
#include "controller/commands/command_support.h"
#include "controller/commands/commands.h"
#include "controller/frame_access.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

bool SetFrameElementCommand::Execute(Arguments arguments, Orv::IChannel* channel, std::uint32_t& status,
                                     Orv::String& message) {
  Report report(status, message);
  const auto frame = FetchStructArgument(arguments, 0, report);
  if (!frame) return false;
  Orv::String componentName, axisName;
  double value = 0.0;
  if (!FetchString(arguments, 1, componentName, report) || !FetchString(arguments, 2, axisName, report) ||
      !FetchReal(arguments, 3, value, report)) {
    return false;
  }

  // Every member of the frame is accepted, "Offsets" included.
  const auto factory = ChannelValueFactory(*channel);
  FrameElements elements(factory.get());
  const auto component = elements.Component(*frame, componentName);
  if (!component) return report.Fail(kInternalError);
  std::int32_t axis = -1;
  if (channel->GetAxisIndex(axisName, axis) != Orv::ORV_SUCCESS) return report.Fail(kUnknownAxis, axisName);

  if (!elements.Write(*component, axis, value)) return report.FailQuietly();
  return true;
}

}  // namespace Velkor::OrvTessan
