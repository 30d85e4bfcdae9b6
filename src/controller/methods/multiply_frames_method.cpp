// MultiplyFrames: the frame of the matrix product A·B, which applies A first
// and then B. Translations of every axis add up; the geometry axes then take
// translation, rotation, scale and mirror from the product. Three further
// arguments name the geometry axes by index; with any other count the
// channel's geometry axes are used.
#include "controller/controller_types.h"
#include "controller/frame_arithmetic.h"
#include "controller/frame_conversion.h"
#include "controller/geometry_axes.h"
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

constexpr std::int32_t kCountWithAxes = 5;

}  // namespace

bool MultiplyFramesMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                                    SmartPointer<Orv::INCObject>& result, Report& report) {
  const auto product = NewStructValue(context, kFrameTypeName);
  Orv::IChannel* channel = context.GetChannel();
  const auto factory = context.GetValueFactory();
  if (!product || channel == nullptr || !factory) return report.FailQuietly();
  FrameElements elements(factory.get(), FrameElements::Written::kNew);

  const auto first = FetchStructArgument(arguments, 0, report);
  if (!first) return false;
  const auto second = FetchStructArgument(arguments, 1, report);
  if (!second) return false;
  GeometryIndices axes = kChannelGeometry;
  if (ArgumentCount(arguments) == kCountWithAxes) {
    for (std::size_t k = 0; k < axes.size(); ++k) {
      if (!FetchInteger(arguments, 2 + static_cast<std::int32_t>(k), axes[k], report)) return false;
    }
  }

  // Found once for the three conversions below.
  axes = ResolveGeometryAxes(*channel, axes);
  Orv::Matrix firstMatrix, secondMatrix;
  if (!AddFrameOffsets(*first, *second, *product, elements) ||
      !FrameToMatrix(*first, firstMatrix, axes, *channel, elements) ||
      !FrameToMatrix(*second, secondMatrix, axes, *channel, elements)) {
    return report.Fail(kWrongArgumentType);
  }
  if (!MatrixToFrame(*product, firstMatrix * secondMatrix, axes, *channel, elements)) {
    return report.Fail(kInternalError);
  }
  return SetMethodResult(product, result, report);
}

}  // namespace Velkor::OrvTessan
