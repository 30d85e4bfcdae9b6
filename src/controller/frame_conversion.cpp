#include "controller/frame_conversion.h"

#include <cmath>

#include "controller/angles.h"
#include "controller/frame_access.h"

namespace Velkor::OrvTessan {
namespace {

// The channel answers 1 for rotations about Z, X, Z; anything else means X, Y, Z.
constexpr std::int32_t kZxzRotation = 1;

using Triple = std::array<double, 3>;

Triple GeometryElements(Orv::INCArray& component, const GeometryIndices& axes, double fallback) {
  return {FrameElementOr(component, axes[0], fallback), FrameElementOr(component, axes[1], fallback),
          FrameElementOr(component, axes[2], fallback)};
}

Orv::Vector AsVector(const Triple& values) {
  return {values[0], values[1], values[2]};
}

void Rotate(Orv::Matrix& matrix, const Triple& degrees, std::int32_t sequence) {
  const double first = degrees[0] * kDegreesToRadians;
  const double second = degrees[1] * kDegreesToRadians;
  const double third = degrees[2] * kDegreesToRadians;
  if (sequence == kZxzRotation) {
    matrix.RotZ(first);
    matrix.RotX(second);
  } else {
    matrix.RotX(first);
    matrix.RotY(second);
  }
  matrix.RotZ(third);
}

}  // namespace

bool FrameToMatrix(Orv::INCStruct& frame, Orv::Matrix& matrix, GeometryIndices axes, const Orv::IChannel& channel) {
  axes = ResolveGeometryAxes(channel, axes);

  const auto scale = FindFrameComponent(frame, kScale);
  if (!scale) return false;
  const auto mirror = FindFrameComponent(frame, kMirror);
  if (!mirror) return false;
  Triple factors = GeometryElements(*scale, axes, 1.0);
  const Triple mirrored = GeometryElements(*mirror, axes, 0.0);
  for (std::size_t k = 0; k < factors.size(); ++k) {
    if (mirrored[k] > 0.0) factors[k] = -factors[k];
  }
  matrix = Orv::Matrix();
  matrix.Scale(AsVector(factors));

  const auto rotation = FindFrameComponent(frame, kRotation);
  if (!rotation) return false;
  Rotate(matrix, GeometryElements(*rotation, axes, 0.0), channel.GetRotationSequence());

  for (const char* name : {kTranslation, kFineTranslation}) {
    const auto translation = FindFrameComponent(frame, name);
    if (!translation) return false;
    matrix.Trans(AsVector(GeometryElements(*translation, axes, 0.0)));
  }
  return true;
}

bool MatrixToFrame(Orv::INCStruct& frame, const Orv::Matrix& matrix, GeometryIndices axes, const Orv::IChannel& channel,
                   Orv::IValueFactory& factory) {
  Triple translation, rotation, scale, mirror;
  for (int k = 0; k < 3; ++k) {
    translation[k] = matrix.GetTranslation(k);
    rotation[k] = matrix.GetRotationZYX(k) * kRadiansToDegrees;
    const double signedScale = matrix.GetScale(k);
    scale[k] = std::abs(signedScale);
    mirror[k] = signedScale < 0.0 ? 1.0 : 0.0;
  }
  axes = ResolveGeometryAxes(channel, axes);

  const struct {
    const char* name;
    Triple values;
  } writes[] = {{kTranslation, translation},
                {kFineTranslation, {0.0, 0.0, 0.0}},
                {kRotation, rotation},
                {kScale, scale},
                {kMirror, mirror}};
  for (const auto& [name, values] : writes) {
    const auto component = FindFrameComponent(frame, name);
    if (!component) return false;
    for (std::size_t k = 0; k < axes.size(); ++k) {
      if (axes[k] >= 0) WriteFrameElement(*component, axes[k], values[k], factory);
    }
  }
  return true;
}

}  // namespace Velkor::OrvTessan
