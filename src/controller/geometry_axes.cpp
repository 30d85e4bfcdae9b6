#include "controller/geometry_axes.h"

namespace Velkor::OrvTessan {
namespace {

Orv::String GeometryAxisName(const Orv::IChannel& channel, std::size_t which) {
  switch (which) {
    case 0:
      return channel.GetGeometryAxisName1();
    case 1:
      return channel.GetGeometryAxisName2();
    default:
      return channel.GetGeometryAxisName3();
  }
}

// The channel's index of the axis, or -1.
std::int32_t KnownAxisIndex(const Orv::IChannel& channel, const Orv::String& name) {
  std::int32_t index = -1;
  if (name.empty() || channel.GetAxisIndex(name, index) != Orv::ORV_SUCCESS) return -1;
  return index;
}

}  // namespace

GeometryIndices ResolveGeometryAxes(const Orv::IChannel& channel, GeometryIndices indices) {
  for (std::size_t which = 0; which < indices.size(); ++which) {
    if (indices[which] == -1) indices[which] = KnownAxisIndex(channel, GeometryAxisName(channel, which));
  }
  return indices;
}

std::vector<GeometryAxis> PresentGeometryAxes(const Orv::IChannel& channel) {
  std::vector<GeometryAxis> present;
  for (std::size_t which = 0; which < kChannelGeometry.size(); ++which) {
    Orv::String name = GeometryAxisName(channel, which);
    const std::int32_t index = KnownAxisIndex(channel, name);
    if (index >= 0) present.push_back({std::move(name), index});
  }
  return present;
}

}  // namespace Velkor::OrvTessan
