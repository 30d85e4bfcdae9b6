// GetFrameElement: one element of a frame, the axis given by name. Rotations
// come back in degrees, as the frame stores them.
#include "controller/frame_access.h"
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "orv/channel.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool GetFrameElementMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                                     SmartPointer<Orv::INCObject>& result, Report& report) {
  const auto frame = FetchStructArgument(arguments, 0, report);
  if (!frame) return false;
  Orv::String componentName, axisName;
  if (!FetchString(arguments, 1, componentName, report) || !FetchString(arguments, 2, axisName, report)) {
    return false;
  }
  FrameElements elements;
  const auto component = elements.Component(*frame, componentName);
  if (!component) return report.Fail(kInternalError);

  Orv::IChannel* channel = context.GetChannel();
  if (channel == nullptr) return report.Fail(kInternalError);
  std::int32_t axis = -1;
  double element = 0.0;
  if (channel->GetAxisIndex(axisName, axis) != Orv::ORV_SUCCESS || !elements.Read(*component, axis, element)) {
    return report.Fail(kWrongArgumentType);
  }
  return SetMethodResult(MakeRealValue(context, element), result, report);
}

}  // namespace Velkor::OrvTessan
