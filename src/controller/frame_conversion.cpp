#include "controller/frame_conversion.h"

#include <cmath>

#include "controller/angles.h"

namespace Velkor::OrvTessan {
namespace {

// The channel answers 1 for rotations about Z, X, Z; anything else means X, Y, Z.
constexpr std::int32_t kZxzRotation = 1;

using Triple = std::array<double, 3>;

Triple GeometryElements(FrameElements& elements, Orv::INCArray& component, const GeometryIndices& axes,
                        double fallback) {
  return {elements.ReadOr(component, axes[0], fallback), elements.ReadOr(component, axes[1], fallback),
          elements.ReadOr(component, axes[2], fallback)};
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

bool FrameToMatrix(Orv::INCStruct& frame, Orv::Matrix& matrix, GeometryIndices axes, const Orv::IChannel& channel,
                   FrameElements& elements) {
  axes = ResolveGeometryAxes(channel, axes);

  const auto scale = elements.Component(frame, kScale);
  if (!scale) return false;
  const auto mirror = elements.Component(frame, kMirror);
  if (!mirror) return false;
  Triple factors = GeometryElements(elements, *scale, axes, 1.0);
  const Triple mirrored = GeometryElements(elements, *mirror, axes, 0.0);
  for (std::size_t k = 0; k < factors.size(); ++k) {
    if (mirrored[k] > 0.0) factors[k] = -factors[k];
  }
  matrix = Orv::Matrix();
  matrix.Scale(AsVector(factors));

  const auto rotation = elements.Component(frame, kRotation);
  if (!rotation) return false;
  Rotate(matrix, GeometryElements(elements, *rotation, axes, 0.0), channel.GetRotationSequence());

  for (const char* name : {kTranslation, kFineTranslation}) {
    const auto translation = elements.Component(frame, name);
    if (!translation) return false;
    matrix.Trans(AsVector(GeometryElements(elements, *translation, axes, 0.0)));
  }
  return true;
}

bool MatrixToFrame(Orv::INCStruct& frame, const Orv::Matrix& matrix, GeometryIndices axes, const Orv::IChannel& channel,
                   FrameElements& elements) {
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
    const auto component = elements.Component(frame, name);
    if (!component) return false;
    for (std::size_t k = 0; k < axes.size(); ++k) {
      if (axes[k] >= 0) elements.Write(*component, axes[k], values[k]);
    }
  }
  return true;
}

}  // namespace Velkor::OrvTessan
