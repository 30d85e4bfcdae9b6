// GetJointNumber: the channel's zero-based index of an axis, by name.
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

bool GetJointNumberMethod::GetReturnType(Orv::IExecutionContext* context, SmartPointer<Orv::INCType>& type) {
  return BasicReturnType(context, Orv::BasicType::Int, type);
}

bool GetJointNumberMethod::Evaluate(Orv::IExecutionContext* context, Arguments arguments,
                                    SmartPointer<Orv::INCObject>& result, std::uint32_t& status, Orv::String& message) {
  Report report(status, message);
  Orv::String axisName;
  if (!FetchString(arguments, 0, axisName, report)) return false;
  Orv::IChannel* channel = context->GetChannel();
  std::int32_t index = -1;
  if (channel == nullptr || channel->GetAxisIndex(axisName, index) != Orv::ORV_SUCCESS) {
    return report.Fail(kInternalError);
  }
  return SetMethodResult(MakeIntValue(*context, index), result, report);
}

}  // namespace Velkor::OrvTessan
