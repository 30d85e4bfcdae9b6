// CreateFrame: a new frame, neutral or with elements of one component set.
// After the component name come pairs of axis index and value; each value is
// stored as it is, without conversion.
#include "controller/frame_access.h"
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool CreateFrameMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                                 SmartPointer<Orv::INCObject>& result, Report& report) {
  const auto frame = NewStructValue(context, kFrameTypeName);
  const auto factory = context.GetValueFactory();
  if (!frame || !factory) return report.Fail(kInternalError);
  FrameElements elements(factory.get(), FrameElements::Written::kNew);
  // Neutral scale even when the channel's default frame lacks it.
  if (const auto scale = elements.Component(*frame, kScale)) {
    for (std::int32_t axis = 0; axis < kFrameAxisCount; ++axis) elements.Write(*scale, axis, 1.0);
  }

  const std::int32_t count = ArgumentCount(arguments);
  if (count == 0) return SetMethodResult(frame, result, report);

  Orv::String componentName;
  if (!FetchString(arguments, 0, componentName, report)) return false;
  const auto component = elements.Component(*frame, componentName);
  if (!component) return report.Fail(kWrongArgumentType);
  // Every index needs its value.
  if (count % 2 == 0) return report.Fail(kWrongArgumentType);
  for (std::int32_t position = 1; position < count; position += 2) {
    std::int32_t axis = 0;
    if (!FetchInteger(arguments, position, axis, report)) return false;
    const auto value = FetchValueArgument(arguments, position + 1, report);
    if (!value) return false;
    if (component->SetElement(1, &axis, value.get()) != Orv::ORV_SUCCESS) return report.Fail(kInternalError);
  }
  return SetMethodResult(frame, result, report);
}

}  // namespace Velkor::OrvTessan
