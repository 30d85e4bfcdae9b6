// SetFrameByTrafo: fills a frame from a transformation of the channel. The
// per-axis offsets go into the coarse translation of every axis; the matrix
// then overwrites the geometry axes.
#include "controller/argument_fetch.h"
#include "controller/commands/command_support.h"
#include "controller/commands/commands.h"
#include "controller/frame_access.h"
#include "controller/frame_conversion.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

// Tells the frame's observers that it is being rewritten, for as long as the
// object lives: the rewriting ends on every path out of the command.
class UpdatingScope {
 public:
  explicit UpdatingScope(Orv::INCStruct& frame) {
    if (frame.GetUpdateHandle(handle_) == Orv::ORV_SUCCESS && handle_) handle_->SetUpdating(false);
  }
  ~UpdatingScope() {
    if (handle_) handle_->SetUpdating(true);
  }
  UpdatingScope(const UpdatingScope&) = delete;
  UpdatingScope& operator=(const UpdatingScope&) = delete;

 private:
  SmartPointer<Orv::IUpdateHandle> handle_;
};

}  // namespace

bool SetFrameByTrafoCommand::Execute(Arguments arguments, Orv::IChannel* channel, std::uint32_t& status,
                                     Orv::String& message) {
  Report report(status, message);
  const auto frame = FetchStructArgument(arguments, 0, report);
  if (!frame) return false;
  const UpdatingScope updating(*frame);

  Orv::String transformation;
  if (!FetchString(arguments, 1, transformation, report)) return false;
  const auto factory = ChannelValueFactory(*channel);
  FrameElements elements(factory.get());
  const auto translation = elements.Component(*frame, kTranslation);
  if (!translation) return report.Fail(kInternalError);
  if (!factory) return report.FailQuietly();

  for (std::int32_t axis = 0; axis < kFrameAxisCount; ++axis) {
    double offset = 0.0;
    if (channel->GetTransformationOffset(transformation, axis, offset) == Orv::ORV_SUCCESS) {
      elements.Write(*translation, axis, offset);
    }
  }

  // The host knows no such transformation.
  double matrixElements[4][4];
  if (channel->GetTransformationMatrix(transformation, matrixElements) != Orv::ORV_SUCCESS) {
    return report.Fail(kWrongArgumentType);
  }
  if (!MatrixToFrame(*frame, Orv::Matrix(matrixElements), kChannelGeometry, *channel, elements)) {
    return report.Fail(kInternalError);
  }
  return true;
}

}  // namespace Velkor::OrvTessan
