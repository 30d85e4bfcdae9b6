// GetMatrixFromFrame: the 4x4 matrix of a frame's geometry axes, as a
// reference value carrying a host matrix object.
#include "controller/frame_conversion.h"
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool GetMatrixFromFrameMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                                        SmartPointer<Orv::INCObject>& result, Report& report) {
  const auto frame = FetchStructArgument(arguments, 0, report);
  if (!frame) return false;
  Orv::IChannel* channel = context.GetChannel();
  Orv::Matrix matrix;
  FrameElements elements;
  if (channel == nullptr || !FrameToMatrix(*frame, matrix, kChannelGeometry, *channel, elements)) {
    return report.Fail(kInternalError);
  }

  const SmartPointer<Orv::NCMCLMatrix> matrixObject(new Orv::NCMCLMatrix(matrix));
  SmartPointer<Orv::INCValue> reference;
  if (const auto factory = context.GetValueFactory()) factory->CreateReferenceValue(matrixObject.get(), reference);
  return SetMethodResult(reference, result, report);
}

}  // namespace Velkor::OrvTessan
