#include "interpreter/words.h"

#include "interpreter/frame_chain.h"
#include "interpreter/machine_state.h"

namespace Velkor::OrvReference {

WordTable MakeWordTable(const std::vector<Orv::String>& axes) {
  using Motion = MachineState::Motion;
  using Plane = MachineState::Plane;
  using Kind = FrameChain::Kind;
  WordTable words = {
      {"LABEL", {Word::kIgnored}},
      {"COMMENT", {Word::kIgnored}},
      {"EXTERN", {Word::kIgnored}},
      {"G0", {Word::kMotion, static_cast<int>(Motion::kRapid)}},
      {"G1", {Word::kMotion, static_cast<int>(Motion::kLinear)}},
      {"G2", {Word::kMotion, static_cast<int>(Motion::kClockwise)}},
      {"G3", {Word::kMotion, static_cast<int>(Motion::kCounterClockwise)}},
      {"G4", {Word::kDwell}},
      {"G17", {Word::kPlane, static_cast<int>(Plane::kXY)}},
      {"G18", {Word::kPlane, static_cast<int>(Plane::kZX)}},
      {"G19", {Word::kPlane, static_cast<int>(Plane::kYZ)}},
      {"G70", {Word::kUnits}},
      {"G71", {Word::kUnits}},
      {"G90", {Word::kDistance, 0}},
      {"G91", {Word::kDistance, 1}},
      {"G500", {Word::kSettableFrame, 0}},
      {"G54", {Word::kSettableFrame, 1}},
      {"G55", {Word::kSettableFrame, 2}},
      {"G56", {Word::kSettableFrame, 3}},
      {"G57", {Word::kSettableFrame, 4}},
      {"F", {Word::kFeed}},
      {"S", {Word::kSpeed}},
      {"T", {Word::kTool}},
      {"D", {Word::kToolOffset}},
      {"I", {Word::kCentre, 0}},
      {"J", {Word::kCentre, 1}},
      {"K", {Word::kCentre, 2}},
      {"CR", {Word::kRadius}},
      {"RPL", {Word::kPlaneRotation}},
      {"M0", {Word::kStop, 0}},
      {"M1", {Word::kStop, 1}},
      {"M2", {Word::kEnd}},
      {"M30", {Word::kEnd}},
      {"M3", {Word::kSpindle, static_cast<int>(SpindleState::kClockwise)}},
      {"M4", {Word::kSpindle, static_cast<int>(SpindleState::kCounterClockwise)}},
      {"M5", {Word::kSpindle, static_cast<int>(SpindleState::kStopped)}},
      {"M17", {Word::kReturn}},
      {"RET", {Word::kReturn}},
      {"MSG", {Word::kMessage}},
      {"TRANS", {Word::kFrame, static_cast<int>(Kind::kTranslation)}},
      {"ROT", {Word::kFrame, static_cast<int>(Kind::kRotation)}},
      {"SCALE", {Word::kFrame, static_cast<int>(Kind::kScale)}},
      {"MIRROR", {Word::kFrame, static_cast<int>(Kind::kMirror)}},
      {"ATRANS", {Word::kChainedFrame, static_cast<int>(Kind::kTranslation)}},
      {"AROT", {Word::kChainedFrame, static_cast<int>(Kind::kRotation)}},
      {"ASCALE", {Word::kChainedFrame, static_cast<int>(Kind::kScale)}},
      {"AMIRROR", {Word::kChainedFrame, static_cast<int>(Kind::kMirror)}},
      {"CALL", {Word::kCall}},
      {"MCALL", {Word::kModalCall}},
      {"L", {Word::kNumberedCall}},
      {"PROC", {Word::kProcedure}},
      {"REPEAT", {Word::kRepeat}},
  };
  for (std::size_t axis = 0; axis < axes.size(); ++axis) {
    words.insert_or_assign(std::string_view(axes[axis].data(), axes[axis].size()),
                           WordMeaning{Word::kAxis, static_cast<int>(axis)});
  }
  return words;
}

}  // namespace Velkor::OrvReference
