#include "controller/angles.h"

#include <cmath>

namespace Velkor::OrvTessan {

// Computed once, when the library is loaded.
const double kDegreesToRadians = std::acos(-1.0) / 180.0;
const double kRadiansToDegrees = 180.0 / std::acos(-1.0);

}  // namespace Velkor::OrvTessan
