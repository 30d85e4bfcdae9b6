// SetFrameTransformation: applies one component of a frame variable to a
// transformation of the channel. With indices after the variable name, the
// variable is an array of frames and the indices choose the element.
#include <vector>

#include "controller/angles.h"
#include "controller/argument_fetch.h"
#include "controller/commands/command_support.h"
#include "controller/commands/commands.h"
#include "controller/frame_access.h"
#include "controller/geometry_axes.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

constexpr std::int32_t kFirstIndexPosition = 4;

SmartPointer<Orv::INCStruct> FindFrameVariable(const Arguments& arguments, Orv::IVariableScope& scope,
                                               const Orv::String& name, Report& report) {
  const std::int32_t count = ArgumentCount(arguments);
  if (count <= kFirstIndexPosition) {
    SmartPointer<Orv::INCStruct> frame;
    if (scope.GetStructVariable(name, frame) != Orv::ORV_SUCCESS || !frame) report.Fail(kUndeclaredVariable, name);
    return frame;
  }

  std::vector<std::int32_t> indices(static_cast<std::size_t>(count - kFirstIndexPosition));
  for (std::size_t k = 0; k < indices.size(); ++k) {
    if (!FetchInteger(arguments, kFirstIndexPosition + static_cast<std::int32_t>(k), indices[k], report)) {
      return nullptr;
    }
  }
  SmartPointer<Orv::INCArray> frames;
  if (scope.GetArrayVariable(name, frames) != Orv::ORV_SUCCESS || !frames) {
    report.Fail(kUndeclaredVariable, name);
    return nullptr;
  }
  SmartPointer<Orv::INCObject> element;
  frames->GetElement(static_cast<std::int32_t>(indices.size()), indices.data(), element);
  auto frame = Orv::DynamicPointerCast<Orv::INCStruct>(element);
  if (!frame) report.Fail(kInternalError);
  return frame;
}

// Reads the component's element of every present geometry axis; false when
// one cannot be read.
bool ReadGeometryElements(FrameElements& elements, Orv::INCArray& component, const std::vector<GeometryAxis>& axes,
                          std::vector<double>& values) {
  values.resize(axes.size());
  for (std::size_t k = 0; k < axes.size(); ++k) {
    if (!elements.Read(component, axes[k].index, values[k])) return false;
  }
  return true;
}

void ApplyGeometryComponent(Orv::IChannel& channel, const Orv::String& transformation, const Orv::String& name,
                            const std::vector<GeometryAxis>& axes, std::vector<double>& values) {
  if (name == kRotation) {
    if (channel.TransformationUsesRadians(transformation) != 0) {
      for (double& angle : values) angle *= kDegreesToRadians;
    }
    for (std::size_t k = 0; k < axes.size(); ++k) channel.RotateTransformation(transformation, axes[k].name, values[k]);
  } else if (name == kScale) {
    for (std::size_t k = 0; k < axes.size(); ++k) channel.ScaleTransformation(transformation, axes[k].name, values[k]);
  } else if (name == kMirror) {
    for (std::size_t k = 0; k < axes.size(); ++k) {
      if (values[k] > 0.0) channel.ScaleTransformation(transformation, axes[k].name, -1.0);
    }
  }
  // The fine translation and the offsets have no counterpart in a transformation.
}

}  // namespace

bool SetFrameTransformationCommand::Execute(Arguments arguments, Orv::IChannel* channel, std::uint32_t& status,
                                            Orv::String& message) {
  Report report(status, message);
  Orv::String transformation, componentName, variable;
  bool reset = false;
  if (!FetchString(arguments, 0, transformation, report) || !FetchString(arguments, 1, componentName, report) ||
      !FetchBool(arguments, 2, reset, report)) {
    return false;
  }
  if (reset) channel->ResetTransformation(transformation, true);
  if (!FetchString(arguments, 3, variable, report)) return false;

  Orv::IVariableScope* scope = ChannelVariableScope(*channel);
  if (scope == nullptr) return report.FailQuietly();
  const auto frame = FindFrameVariable(arguments, *scope, variable, report);
  if (!frame) return false;

  SmartPointer<Orv::INCObject> member;
  if (frame->GetMember(componentName, member) != Orv::ORV_SUCCESS) return report.Fail(kWrongVariableType, variable);
  const auto component = Orv::DynamicPointerCast<Orv::INCArray>(member);
  if (!component) return report.Fail(kInternalError);
  FrameElements elements;

  if (componentName == kTranslation) {
    for (std::int32_t axis = 0; axis < kFrameAxisCount; ++axis) {
      double offset = 0.0;
      if (elements.Read(*component, axis, offset)) channel->SetTransformationOffset(transformation, axis, offset);
    }
    return true;
  }

  const std::vector<GeometryAxis> axes = PresentGeometryAxes(*channel);
  std::vector<double> values;
  if (!ReadGeometryElements(elements, *component, axes, values)) return report.Fail(kWrongVariableType, variable);
  ApplyGeometryComponent(*channel, transformation, componentName, axes, values);
  return true;
}

}  // namespace Velkor::OrvTessan
