// The channel's three geometry axes, the only axes that take part in the
// matrix form of a frame.
#pragma once

#include <array>
#include <vector>

#include "orv/base.h"
#include "orv/channel.h"

namespace Velkor::OrvTessan {

// Array indices of the first, second and third geometry axis; -1 = absent.
using GeometryIndices = std::array<std::int32_t, 3>;
// Indices still to be taken from the channel.
inline constexpr GeometryIndices kChannelGeometry = {-1, -1, -1};

// Every index that is -1 replaced by the channel's index of that geometry
// axis; it stays -1 when the axis has no name or the channel does not know it.
GeometryIndices ResolveGeometryAxes(const Orv::IChannel& channel, GeometryIndices indices);

struct GeometryAxis {
  Orv::String name;
  std::int32_t index;
};

// The geometry axes that have a name the channel knows, in order; the others
// are left out.
std::vector<GeometryAxis> PresentGeometryAxes(const Orv::IChannel& channel);

}  // namespace Velkor::OrvTessan
