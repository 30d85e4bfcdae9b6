// GetJointNumber: the channel's zero-based index of an axis, by name.
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "orv/channel.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool GetJointNumberMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                                    SmartPointer<Orv::INCObject>& result, Report& report) {
  Orv::String axisName;
  if (!FetchString(arguments, 0, axisName, report)) return false;
  Orv::IChannel* channel = context.GetChannel();
  std::int32_t index = -1;
  if (channel == nullptr || channel->GetAxisIndex(axisName, index) != Orv::ORV_SUCCESS) {
    return report.Fail(kInternalError);
  }
  return SetMethodResult(MakeIntValue(context, index), result, report);
}

}  // namespace Velkor::OrvTessan
