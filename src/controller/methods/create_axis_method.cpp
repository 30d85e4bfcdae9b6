// CreateAxis: an AXIS value carrying a name. The name is not checked against
// the channel's axes.
#include "controller/controller_types.h"
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"

namespace Velkor::OrvTessan {

bool CreateAxisMethod::GetReturnType(Orv::IExecutionContext* context, SmartPointer<Orv::INCType>& type) {
  return RegisteredReturnType(context, kAxisTypeName, type);
}

bool CreateAxisMethod::Evaluate(Orv::IExecutionContext* context, Arguments arguments,
                                SmartPointer<Orv::INCObject>& result, std::uint32_t& status, Orv::String& message) {
  Report report(status, message);
  const auto axis = NewStructValue(*context, kAxisTypeName);
  if (!axis) return report.FailQuietly();
  Orv::String name;
  if (!FetchString(arguments, 0, name, report)) return false;
  const auto nameValue = MakeStringValue(*context, name);
  if (!nameValue || axis->SetMember(kAxisNameMember, nameValue.get()) != Orv::ORV_SUCCESS) {
    return report.FailQuietly();
  }
  return SetMethodResult(axis, result, report);
}

}  // namespace Velkor::OrvTessan
