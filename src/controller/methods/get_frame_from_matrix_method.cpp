// GetFrameFromMatrix: a new frame whose geometry axes carry the matrix's
// translation, rotation, scale and mirror; every other axis stays neutral.
#include "controller/controller_types.h"
#include "controller/frame_conversion.h"
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool GetFrameFromMatrixMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                                        SmartPointer<Orv::INCObject>& result, Report& report) {
  Orv::Matrix matrix;
  if (!FetchMatrixArgument(arguments, 0, matrix, report)) return false;
  const auto frame = NewStructValue(context, kFrameTypeName);
  Orv::IChannel* channel = context.GetChannel();
  const auto factory = context.GetValueFactory();
  if (!frame || channel == nullptr || !factory) return report.Fail(kInternalError);
  FrameElements elements(factory.get(), FrameElements::Written::kNew);
  if (!MatrixToFrame(*frame, matrix, kChannelGeometry, *channel, elements)) return report.Fail(kInternalError);
  return SetMethodResult(frame, result, report);
}

}  // namespace Velkor::OrvTessan
