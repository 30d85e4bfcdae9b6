#include "orvref/channel.h"

#include <algorithm>
#include <numbers>
#include <utility>

#include "same_name.h"

namespace Velkor::OrvReference {
namespace {
constexpr Orv::TResult kRefused = 1;
}  // namespace

Channel::Channel(Orv::IExecutionContext& context) : context_(context), programs_(kProgramKey) {
  state_.axes = {"X", "Y", "Z", "A", "B", "C"};
  state_.geometryAxes = {"X", "Y", "Z"};
  AddTransformation("BASE", false);
  KeepAsSetup();
}

Channel::~Channel() = default;

Orv::TResult Channel::DeclareSubprogram(const Orv::String& name) {
  if (listener_) listener_->SubprogramDeclared(name);
  state_.subprograms[name].clear();
  ++subprogramDeclarationCount_;
  return Orv::ORV_SUCCESS;
}

Orv::TResult Channel::AddParameterMode(const Orv::String& name, std::int32_t mode) {
  if (listener_) listener_->ParameterModeAdded(name, mode);
  const auto found = state_.subprograms.find(name);
  if (found == state_.subprograms.end()) return kRefused;
  found->second.push_back(mode);
  ++subprogramDeclarationCount_;
  return Orv::ORV_SUCCESS;
}

Orv::TResult Channel::GetParameterMode(const Orv::String& name, std::int32_t index, std::int32_t& mode) const {
  const auto found = state_.subprograms.find(name);
  if (found == state_.subprograms.end() || index < 0 || static_cast<std::size_t>(index) >= found->second.size()) {
    return kRefused;
  }
  mode = found->second[static_cast<std::size_t>(index)];
  return Orv::ORV_SUCCESS;
}

std::int32_t Channel::IsSubprogramUndeclared(const Orv::String& name) const {
  if (state_.subprograms.count(name) != 0) return 0;
  undeclaredQueries_.push_back(name);
  return 1;
}

Orv::TResult Channel::GetAxisIndex(const Orv::String& name, std::int32_t& index) const {
  const auto found = std::find_if(state_.axes.begin(), state_.axes.end(),
                                  [&](const Orv::String& axis) { return SameName(axis, name); });
  if (found == state_.axes.end()) return kRefused;
  index = static_cast<std::int32_t>(found - state_.axes.begin());
  return Orv::ORV_SUCCESS;
}

Orv::String Channel::GeometryAxisName(std::size_t position) const {
  return position < state_.geometryAxes.size() ? state_.geometryAxes[position] : Orv::String();
}

int Channel::GeometryPosition(const Orv::String& axis) const {
  const auto found = std::find(state_.geometryAxes.begin(), state_.geometryAxes.end(), axis);
  return found == state_.geometryAxes.end() || axis.empty() ? -1
                                                            : static_cast<int>(found - state_.geometryAxes.begin());
}

// A channel has a handful of transformations, and a frame applied sets the
// offset of each axis by the transformation's name: a scan by SameName
// costs less than the map's ordered comparisons.
const Channel::Transformation* Channel::Find(const Orv::String& name) const {
  for (const auto& [key, transformation] : state_.transformations) {
    if (SameName(key, name)) return &transformation;
  }
  return nullptr;
}

Channel::Transformation* Channel::Find(const Orv::String& name) {
  return const_cast<Transformation*>(std::as_const(*this).Find(name));
}

Orv::TResult Channel::ResetTransformation(const Orv::String& name, bool resetAll) {
  Transformation* transformation = Find(name);
  if (transformation == nullptr) return kRefused;
  transformation->matrix = Orv::Matrix();
  if (resetAll) std::fill(transformation->offsets.begin(), transformation->offsets.end(), 0.0);
  return Orv::ORV_SUCCESS;
}

Orv::TResult Channel::ScaleTransformation(const Orv::String& name, const Orv::String& axis, double factor) {
  Transformation* transformation = Find(name);
  const int position = GeometryPosition(axis);
  if (transformation == nullptr || position < 0) return kRefused;
  double factors[3] = {1.0, 1.0, 1.0};
  factors[position] = factor;
  transformation->matrix.Scale({factors[0], factors[1], factors[2]});
  return Orv::ORV_SUCCESS;
}

Orv::TResult Channel::RotateTransformation(const Orv::String& name, const Orv::String& axis, double angle) {
  Transformation* transformation = Find(name);
  const int position = GeometryPosition(axis);
  if (transformation == nullptr || position < 0) return kRefused;
  const double radians = transformation->usesRadians ? angle : angle * std::numbers::pi / 180.0;
  Orv::Matrix& matrix = transformation->matrix;
  if (position == 0) {
    matrix.RotX(radians);
  } else if (position == 1) {
    matrix.RotY(radians);
  } else {
    matrix.RotZ(radians);
  }
  return Orv::ORV_SUCCESS;
}

Orv::TResult Channel::SetTransformationOffset(const Orv::String& name, std::int32_t axis, double offset) {
  Transformation* transformation = Find(name);
  if (transformation == nullptr || axis < 0 || static_cast<std::size_t>(axis) >= transformation->offsets.size()) {
    return kRefused;
  }
  transformation->offsets[static_cast<std::size_t>(axis)] = offset;
  return Orv::ORV_SUCCESS;
}

Orv::TResult Channel::GetTransformationOffset(const Orv::String& name, std::int32_t axis, double& offset) const {
  const Transformation* transformation = Find(name);
  if (transformation == nullptr || axis < 0 || static_cast<std::size_t>(axis) >= transformation->offsets.size()) {
    return kRefused;
  }
  offset = transformation->offsets[static_cast<std::size_t>(axis)];
  return Orv::ORV_SUCCESS;
}

Orv::TResult Channel::SetTransformationMatrix(const Orv::String& name, const double (&matrix)[4][4]) {
  Transformation* transformation = Find(name);
  if (transformation == nullptr) return kRefused;
  transformation->matrix = Orv::Matrix(matrix);
  return Orv::ORV_SUCCESS;
}

Orv::TResult Channel::GetTransformationMatrix(const Orv::String& name, double (&matrix)[4][4]) const {
  const Transformation* transformation = Find(name);
  if (transformation == nullptr) return kRefused;
  transformation->matrix.CopyInto(matrix);
  return Orv::ORV_SUCCESS;
}

std::int32_t Channel::TransformationUsesRadians(const Orv::String& name) const {
  const Transformation* transformation = Find(name);
  return transformation && transformation->usesRadians ? 1 : 0;
}

void Channel::KeepAsSetup() {
  setup_ = state_;
  setupProgramCount_ = programs_.size();
}

void Channel::ResetToSetup() {
  if (state_.subprograms != setup_.subprograms) ++subprogramDeclarationCount_;
  state_ = setup_;
  programs_.KeepFirst(setupProgramCount_);
  undeclaredQueries_.clear();
}

void Channel::SetAxes(std::vector<Orv::String> names) {
  state_.axes = std::move(names);
  for (auto& [name, transformation] : state_.transformations) transformation.offsets.resize(state_.axes.size(), 0.0);
}

void Channel::SetGeometryAxes(std::vector<Orv::String> names) {
  if (names.size() > 3) names.resize(3);
  state_.geometryAxes = std::move(names);
}

void Channel::AddTransformation(const Orv::String& name, bool usesRadians) {
  state_.transformations[name] =
      Transformation{std::vector<double>(state_.axes.size(), 0.0), Orv::Matrix(), usesRadians};
}

}  // namespace Velkor::OrvReference
