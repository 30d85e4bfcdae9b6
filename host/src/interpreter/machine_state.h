// The modal state of the machine a run drives, and where its axes are.
#pragma once

#include <string>
#include <vector>

#include "orvref/interpreter.h"

namespace Velkor::OrvReference {

struct MachineState {
  enum class Motion { kRapid, kLinear, kClockwise, kCounterClockwise };
  // The working plane: G17 (X, Y), G18 (Z, X), G19 (Y, Z).
  enum class Plane { kXY, kZX, kYZ };

  Motion motion = Motion::kRapid;
  bool incremental = false;
  Plane plane = Plane::kXY;
  double feed = 0.0;
  SpindleState spindle = SpindleState::kStopped;
  double speed = 0.0;
  std::string tool = "0";
  std::int32_t toolOffset = 0;
  // Every channel axis: as programmed (through the frames) and on the
  // machine.
  std::vector<double> workpiece;
  std::vector<double> machine;
};

}  // namespace Velkor::OrvReference
