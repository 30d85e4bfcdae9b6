#include "controller/frame_arithmetic.h"

#include <algorithm>

#include "controller/frame_access.h"
#include "controller/frame_conversion.h"

namespace Velkor::OrvTessan {
namespace {

double Negated(double value) {
  return -value;
}

// A scale of 0 has no inverse and stays as it is.
double Reciprocal(double factor) {
  return factor == 0.0 ? factor : 1.0 / factor;
}

// A mirror is its own inverse, so a mirrored axis stays mirrored and an
// unmirrored one stays unmirrored: inverting twice gives the first frame back
// and the default frame is its own inverse. The flag is rewritten in its
// canonical form, 1.0 or 0.0.
double MirrorInverse(double flag) {
  return flag > 0.0 ? 1.0 : 0.0;
}

// Inverts, element by element, every axis that is not a geometry axis.
void InvertOtherAxes(Orv::INCStruct& frame, const GeometryIndices& geometry, Orv::IValueFactory& factory) {
  const struct {
    const char* name;
    double (*inverse)(double);
  } components[] = {{kTranslation, Negated},
                    {kRotation, Negated},
                    {kScale, Reciprocal},
                    {kMirror, MirrorInverse},
                    {kFineTranslation, Negated}};
  for (const auto& [name, inverse] : components) {
    const auto component = FindFrameComponent(frame, name);
    if (!component) continue;
    for (std::int32_t axis = 0; axis < kFrameAxisCount; ++axis) {
      if (std::find(geometry.begin(), geometry.end(), axis) != geometry.end()) continue;
      double value = 0.0;
      if (ReadFrameElement(*component, axis, value)) WriteFrameElement(*component, axis, inverse(value), factory);
    }
  }
}

}  // namespace

void InvertFrameInPlace(Orv::INCStruct& frame, const Orv::IChannel& channel, Orv::IValueFactory& factory) {
  const GeometryIndices geometry = ResolveGeometryAxes(channel, kChannelGeometry);
  Orv::Matrix matrix;
  if (FrameToMatrix(frame, matrix, geometry, channel)) {
    matrix.Inverse();  // a singular matrix stays as it is
    MatrixToFrame(frame, matrix, geometry, channel, factory);
  }
  InvertOtherAxes(frame, geometry, factory);
}

bool AddFrameOffsets(Orv::INCStruct& left, Orv::INCStruct& right, Orv::INCStruct& result, Orv::IValueFactory& factory) {
  for (const char* name : {kTranslation, kFineTranslation}) {
    const auto sum = FindFrameComponent(result, name);
    const auto first = FindFrameComponent(left, name);
    const auto second = FindFrameComponent(right, name);
    if (!sum || !first || !second) return false;
    for (std::int32_t axis = 0; axis < kFrameAxisCount; ++axis) {
      const double total = FrameElementOr(*first, axis, 0.0) + FrameElementOr(*second, axis, 0.0);
      WriteFrameElement(*sum, axis, total, factory);
    }
  }
  return true;
}

}  // namespace Velkor::OrvTessan
