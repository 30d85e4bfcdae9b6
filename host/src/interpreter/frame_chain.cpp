#include "interpreter/frame_chain.h"

#include <algorithm>

#include "orvref/execution_context.h"
#include "values/array_type.h"
#include "values/array_value.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

constexpr const char* kProgrammable = "$P_PFRAME";
constexpr const char* kSettable = "$P_UIFR";
constexpr std::int32_t kSettableCount = 5;

const char* ComponentOf(FrameChain::Kind kind) {
  switch (kind) {
    case FrameChain::Kind::kTranslation:
      return "TR";
    case FrameChain::Kind::kRotation:
      return "RT";
    case FrameChain::Kind::kScale:
      return "SC";
    case FrameChain::Kind::kMirror:
      return "MI";
  }
  return "";
}

bool SameMatrix(const Orv::Matrix& a, const Orv::Matrix& b) {
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      if (a(row, column) != b(row, column)) return false;
    }
  }
  return true;
}

}  // namespace

FrameChain::FrameChain(ExecutionContext& context, Orv::ICommandMapper& commands)
    : context_(context), commands_(commands) {}

bool FrameChain::Setup(std::string& error) {
  Channel& channel = context_.channel();
  const Orv::String names[3] = {channel.GetGeometryAxisName1(), channel.GetGeometryAxisName2(),
                                channel.GetGeometryAxisName3()};
  for (std::size_t k = 0; k < 3; ++k) {
    if (!names[k].empty()) channel.GetAxisIndex(names[k], geometry_[k]);
  }
  offsets_.assign(channel.axes().size(), 0.0);
  for (std::size_t axis = 0; axis < channel.axes().size(); ++axis) {
    if (std::find(geometry_.begin(), geometry_.end(), static_cast<std::int32_t>(axis)) == geometry_.end()) {
      otherAxes_.push_back(axis);
    }
  }

  Orv::SmartPointer<Orv::INCType> frameType;
  auto* structType = context_.types().FindType("FRAME", frameType) == Orv::ORV_SUCCESS
                         ? dynamic_cast<Orv::INCStructType*>(frameType.get())
                         : nullptr;
  if (structType == nullptr) {
    error = "The channel has no FRAME type: the controller state did not initialise it.";
    return false;
  }
  const Orv::SmartPointer<ArrayType> settableType(new ArrayType(frameType, {kSettableCount}));
  context_.scope().DeclareArray(kSettable, settableType.get());
  context_.scope().DeclareStruct(kProgrammable, structType);
  // The frames start neutral, as the transformation just added does: the
  // whole frame is first built when one of them changes.
  channel.AddTransformation(kTransformation, false);
  StructValue* programmable = Programmable();
  StructValue* settable = Settable();
  if (programmable == nullptr || settable == nullptr) {
    error = std::string("The frame variables ") + kProgrammable + " and " + kSettable + " cannot be declared.";
    return false;
  }
  RememberBuiltFrom(programmable, settable);
  return true;
}

StructValue* FrameChain::Programmable() const {
  const VariableScope::Variable* variable = context_.scope().FindIn(VariableScope::kChannelFrame, kProgrammable);
  return variable ? dynamic_cast<StructValue*>(variable->value.get()) : nullptr;
}

StructValue* FrameChain::Settable() const {
  const VariableScope::Variable* variable = context_.scope().FindIn(VariableScope::kChannelFrame, kSettable);
  auto* frames = variable ? dynamic_cast<Orv::INCArray*>(variable->value.get()) : nullptr;
  Orv::SmartPointer<Orv::INCObject> element;
  if (frames == nullptr || frames->GetElement(1, &selected_, element) != Orv::ORV_SUCCESS) return nullptr;
  return dynamic_cast<StructValue*>(element.get());
}

bool FrameChain::CallFrameMethod(const char* name, ArgumentValues arguments, SmartPointer<StructValue>& frame,
                                 std::string& error) {
  SmartPointer<Orv::INCObject> result;
  if (!CallMethod(context_, name, std::move(arguments), result, error)) return false;
  frame = Orv::DynamicPointerCast<StructValue>(result);
  if (frame) return true;
  error = std::string(name) + " gave no frame.";
  return false;
}

bool FrameChain::Program(Kind kind, bool chained, const std::vector<AxisValue>& values, std::string& error) {
  StructValue* programmable = Programmable();
  if (programmable == nullptr) {
    error = std::string("The variable ") + kProgrammable + " is no frame.";
    return false;
  }
  ArgumentValues arguments;
  if (!values.empty()) arguments.push_back(BasicValue::Text(ComponentOf(kind)));
  for (const AxisValue& value : values) {
    arguments.push_back(BasicValue::Int(value.axis));
    arguments.push_back(BasicValue::Real(kind == Kind::kMirror ? 1.0 : value.value));
  }
  SmartPointer<StructValue> frame;
  if (!CallFrameMethod("CreateFrame", std::move(arguments), frame, error)) return false;
  if (chained && !CallFrameMethod("MultiplyFrames", {frame, programmable}, frame, error)) return false;
  programmable->AssignFrom(*frame);
  return true;
}

bool FrameChain::Refresh(bool& changed, std::string& error) {
  changed = false;
  StructValue* programmable = Programmable();
  StructValue* settable = Settable();
  if (programmable == nullptr || settable == nullptr) {
    error = std::string("The frame variables ") + kProgrammable + " and " + kSettable + " must stay frames.";
    return false;
  }
  if (programmable == builtProgrammable_.get() && settable == builtSettable_.get() &&
      programmable->Changes() == programmableChanges_ && settable->Changes() == settableChanges_ &&
      selected_ == builtSelection_) {
    return true;
  }
  SmartPointer<StructValue> whole;
  SmartPointer<Orv::INCObject> matrixValue;
  if (!CallFrameMethod("MultiplyFrames", {programmable, settable}, whole, error) ||
      !CallMethod(context_, "GetMatrixFromFrame", {whole}, matrixValue, error) ||
      !ExecuteCommand(commands_, context_.channel(), "SetTrafoByFrame", {BasicValue::Text(kTransformation), whole},
                      error)) {
    return false;
  }
  SmartPointer<Orv::INCObject> carried;
  const auto* reference = dynamic_cast<const Orv::INCValue*>(matrixValue.get());
  const auto* matrix = reference && reference->GetReferencedObject(carried) == Orv::ORV_SUCCESS
                           ? dynamic_cast<const Orv::NCMCLMatrix*>(carried.get())
                           : nullptr;
  if (matrix == nullptr) {
    error = "GetMatrixFromFrame gave no matrix.";
    return false;
  }
  Orv::Matrix inverse = matrix->GetMatrix();
  if (!inverse.Inverse()) {
    error = "The frame cannot be undone: it scales an axis by 0.";
    return false;
  }
  std::vector<double> offsets(offsets_.size(), 0.0);
  for (std::size_t axis = 0; axis < offsets.size(); ++axis) {
    context_.channel().GetTransformationOffset(kTransformation, static_cast<std::int32_t>(axis), offsets[axis]);
  }
  changed = !SameMatrix(matrix_, matrix->GetMatrix()) || offsets != offsets_;
  matrix_ = matrix->GetMatrix();
  inverse_ = inverse;
  offsets_ = std::move(offsets);
  RememberBuiltFrom(programmable, settable);
  return true;
}

void FrameChain::RememberBuiltFrom(StructValue* programmable, StructValue* settable) {
  builtProgrammable_ = programmable;
  builtSettable_ = settable;
  programmableChanges_ = programmable->Changes();
  settableChanges_ = settable->Changes();
  builtSelection_ = selected_;
}

namespace {

// Moves every axis by its offset (the sign given), then maps the geometry
// axes through `matrix`.
void Map(const std::array<std::int32_t, 3>& geometry, const Orv::Matrix& matrix, const std::vector<double>& offsets,
         double sign, const std::vector<double>& from, std::vector<double>& to) {
  to = from;
  for (std::size_t axis = 0; axis < to.size(); ++axis) to[axis] += sign * offsets[axis];
  double point[3] = {};
  for (std::size_t k = 0; k < 3; ++k) {
    if (geometry[k] >= 0) point[k] = from[static_cast<std::size_t>(geometry[k])];
  }
  for (std::size_t k = 0; k < 3; ++k) {
    if (geometry[k] < 0) continue;
    const int column = static_cast<int>(k);
    to[static_cast<std::size_t>(geometry[k])] =
        point[0] * matrix(0, column) + point[1] * matrix(1, column) + point[2] * matrix(2, column) + matrix(3, column);
  }
}

}  // namespace

void FrameChain::ToMachine(const std::vector<double>& workpiece, std::vector<double>& machine) const {
  Map(geometry_, matrix_, offsets_, 1.0, workpiece, machine);
}

void FrameChain::ToWorkpiece(const std::vector<double>& machine, std::vector<double>& workpiece) const {
  Map(geometry_, inverse_, offsets_, -1.0, machine, workpiece);
}

}  // namespace Velkor::OrvReference
