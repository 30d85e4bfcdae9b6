#include "controller/frame_arithmetic.h"

#include <algorithm>

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
void InvertOtherAxes(Orv::INCStruct& frame, const GeometryIndices& geometry, FrameElements& elements) {
  const struct {
    const char* name;
    double (*inverse)(double);
  } components[] = {{kTranslation, Negated},
                    {kRotation, Negated},
                    {kScale, Reciprocal},
                    {kMirror, MirrorInverse},
                    {kFineTranslation, Negated}};
  for (const auto& [name, inverse] : components) {
    const auto component = elements.Component(frame, name);
    if (!component) continue;
    for (std::int32_t axis = 0; axis < kFrameAxisCount; ++axis) {
      if (std::find(geometry.begin(), geometry.end(), axis) != geometry.end()) continue;
      double value = 0.0;
      if (elements.Read(*component, axis, value)) elements.Write(*component, axis, inverse(value));
    }
  }
}

}  // namespace

void InvertFrameInPlace(Orv::INCStruct& frame, const Orv::IChannel& channel, FrameElements& elements) {
  const GeometryIndices geometry = ResolveGeometryAxes(channel, kChannelGeometry);
  Orv::Matrix matrix;
  if (FrameToMatrix(frame, matrix, geometry, channel, elements)) {
    matrix.Inverse();  // a singular matrix stays as it is
    MatrixToFrame(frame, matrix, geometry, channel, elements);
  }
  InvertOtherAxes(frame, geometry, elements);
}

bool AddFrameOffsets(Orv::INCStruct& left, Orv::INCStruct& right, Orv::INCStruct& result, FrameElements& elements) {
  for (const char* name : {kTranslation, kFineTranslation}) {
    const auto sum = elements.Component(result, name);
    const auto first = elements.Component(left, name);
    const auto second = elements.Component(right, name);
    if (!sum || !first || !second) return false;
    for (std::int32_t axis = 0; axis < kFrameAxisCount; ++axis) {
      elements.Write(*sum, axis, elements.ReadOr(*first, axis, 0.0) + elements.ReadOr(*second, axis, 0.0));
    }
  }
  return true;
}

}  // namespace Velkor::OrvTessan
