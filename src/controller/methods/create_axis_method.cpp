// CreateAxis: an AXIS value carrying a name. The name is not checked against
// the channel's axes.
#include "controller/controller_types.h"
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool CreateAxisMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                                SmartPointer<Orv::INCObject>& result, Report& report) {
  const auto axis = NewStructValue(context, kAxisTypeName);
  if (!axis) return report.FailQuietly();
  Orv::String name;
  if (!FetchString(arguments, 0, name, report)) return false;
  const auto nameValue = MakeStringValue(context, name);
  if (!nameValue || axis->SetMember(kAxisNameMember, nameValue.get()) != Orv::ORV_SUCCESS) {
    return report.FailQuietly();
  }
  return SetMethodResult(axis, result, report);
}

}  // namespace Velkor::OrvTessan
