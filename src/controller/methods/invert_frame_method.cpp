// InvertFrame: a new frame, the inverse of the argument, which stays as it is.
#include "controller/controller_types.h"
#include "controller/frame_arithmetic.h"
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool InvertFrameMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                                 SmartPointer<Orv::INCObject>& result, Report& report) {
  const auto frame = FetchStructArgument(arguments, 0, report);
  if (!frame) return false;
  SmartPointer<Orv::INCObject> copy;
  if (frame->Clone(copy) != Orv::ORV_SUCCESS) return report.FailQuietly();
  const auto inverse = Orv::DynamicPointerCast<Orv::INCStruct>(copy);
  Orv::IChannel* channel = context.GetChannel();
  const auto factory = context.GetValueFactory();
  if (!inverse || channel == nullptr || !factory) return report.Fail(kInternalError);

  // The copy is the method's own until it is handed over.
  FrameElements elements(factory.get(), FrameElements::Written::kNew);
  InvertFrameInPlace(*inverse, *channel, elements);
  return SetMethodResult(inverse, result, report);
}

}  // namespace Velkor::OrvTessan
