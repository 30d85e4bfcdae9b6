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

  const auto translation = FindFrameComponent(*frame, kTranslation);
  if (!translation) return report.Fail(kInternalError);
  for (std::int32_t axis = 0; axis < kFrameAxisCount; ++axis) {
    double offset = 0.0;
    if (ReadFrameElement(*translation, axis, offset)) channel->SetTransformationOffset(transformation, axis, offset);
  }

  const auto fine = FindFrameComponent(*frame, kFineTranslation);
  if (!fine) return report.Fail(kInternalError);
  for (std::int32_t axis = 0; axis < kFrameAxisCount; ++axis) {
    double offset = 0.0;
    if (channel->GetTransformationOffset(transformation, axis, offset) != Orv::ORV_SUCCESS) offset = 0.0;
    double fineOffset = 0.0;
    if (ReadFrameElement(*fine, axis, fineOffset)) {
      channel->SetTransformationOffset(transformation, axis, offset + fineOffset);
    }
  }

  Orv::Matrix matrix;
  if (!FrameToMatrix(*frame, matrix, kChannelGeometry, *channel)) return report.Fail(kInternalError);
  double elements[4][4];
  matrix.CopyInto(elements);
  channel->SetTransformationMatrix(transformation, elements);
  return true;
}

}  // namespace Velkor::OrvTessan
