// SetTrafoByFrame: applies a whole frame to a transformation of the channel.
// Every axis's offset becomes its coarse plus fine translation; the matrix of
// the geometry axes replaces the transformation's matrix.
#include "controller/argument_fetch.h"
#include "controller/commands/commands.h"
#include "controller/frame_access.h"
#include "controller/frame_conversion.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

bool SetTrafoByFrameCommand::Execute(Arguments arguments, Orv::IChannel* channel, std::uint32_t& status,
                                     Orv::String& message) {
  Report report(status, message);
  Orv::String transformation;
  if (!FetchString(arguments, 0, transformation, report)) return false;
  const auto frame = FetchStructArgument(arguments, 1, report);
  if (!frame) return false;

  FrameElements elements;
  const auto translation = elements.Component(*frame, kTranslation);
  if (!translation) return report.Fail(kInternalError);
  for (std::int32_t axis = 0; axis < kFrameAxisCount; ++axis) {
    double offset = 0.0;
    if (elements.Read(*translation, axis, offset)) channel->SetTransformationOffset(transformation, axis, offset);
  }

  const auto fine = elements.Component(*frame, kFineTranslation);
  if (!fine) return report.Fail(kInternalError);
  for (std::int32_t axis = 0; axis < kFrameAxisCount; ++axis) {
    double offset = 0.0;
    if (channel->GetTransformationOffset(transformation, axis, offset) != Orv::ORV_SUCCESS) offset = 0.0;
    double fineOffset = 0.0;
    if (elements.Read(*fine, axis, fineOffset)) {
      channel->SetTransformationOffset(transformation, axis, offset + fineOffset);
    }
  }

  Orv::Matrix matrix;
  if (!FrameToMatrix(*frame, matrix, kChannelGeometry, *channel, elements)) return report.Fail(kInternalError);
  double matrixElements[4][4];
  matrix.CopyInto(matrixElements);
  channel->SetTransformationMatrix(transformation, matrixElements);
  return true;
}

}  // namespace Velkor::OrvTessan
