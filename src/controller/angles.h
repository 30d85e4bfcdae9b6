// Conversion factors between the degrees of frames and NC programs and the
// radians of the host's matrices and some transformations.
#pragma once

namespace Velkor::OrvTessan {

extern const double kDegreesToRadians;
extern const double kRadiansToDegrees;

}  // namespace Velkor::OrvTessan
