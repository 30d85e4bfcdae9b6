// What a block does to the machine once its statements ran: frames,
// settings, and the move to the target of its axis words, straight or along
// an arc.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "interpreter/execution.h"
#include "orvref/execution_context.h"
#include "orvref/text_forms.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

// How far the end of an arc may lie off its circle.
constexpr double kArcTolerance = 0.01;
// End points closer than this are the same point: the arc is a full circle.
constexpr double kSamePoint = 1e-9;
constexpr double kTurn = 2.0 * std::numbers::pi;

double Length(const Point3& v) {
  return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

double Dot(const Point3& a, const Point3& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Point3 Cross(const Point3& a, const Point3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// A row of the matrix's linear part: where a unit step along that geometry
// axis goes.
Point3 Row(const Orv::Matrix& matrix, std::size_t row) {
  const int r = static_cast<int>(row);
  return {matrix(r, 0), matrix(r, 1), matrix(r, 2)};
}

}  // namespace

std::array<std::size_t, 3> PlaneGeometry(MachineState::Plane plane) {
  switch (plane) {
    case MachineState::Plane::kZX:
      return {2, 0, 1};
    case MachineState::Plane::kYZ:
      return {1, 2, 0};
    case MachineState::Plane::kXY:
      break;
  }
  return {0, 1, 2};
}

Point3 Execution::GeometryPoint(const std::vector<double>& position) const {
  Point3 point{};
  for (std::size_t k = 0; k < 3; ++k) {
    const std::int32_t axis = frames_.geometry()[k];
    if (axis >= 0) point[k] = position[static_cast<std::size_t>(axis)];
  }
  return point;
}

bool Execution::RefreshFrames() {
  bool changed = false;
  std::string error;
  if (!frames_.Refresh(changed, error)) return Fail(error);
  if (changed) frames_.ToWorkpiece(machine_.machine, machine_.workpiece);
  return true;
}

bool Execution::ApplyFrames(const BlockWords& words) {
  if (words.settableFrame) frames_.SelectSettable(*words.settableFrame);
  return !(words.settableFrame || words.wroteVariables) || RefreshFrames();
}

bool Execution::ProgramFrame(const BlockWords& words) {
  std::vector<FrameChain::AxisValue> values;
  for (const BlockWords::Axis& axis : words.axes) values.push_back({static_cast<std::int32_t>(axis.axis), axis.value});
  if (words.planeRotation) {
    const std::int32_t normal = frames_.geometry()[PlaneGeometry(machine_.plane)[2]];
    if (normal < 0) return Fail("The working plane has no third geometry axis to turn about.");
    values.push_back({normal, *words.planeRotation});
  }
  std::string error;
  return (frames_.Program(*words.frameKind, words.frameChained, values, error) || Fail(error)) && RefreshFrames();
}

void Execution::ReportSettings(std::int32_t line, const BlockWords& words) {
  for (const std::string& message : words.messages) listener_.Message(Place(line), message);
  if (words.tool || words.toolOffset) {
    const std::string tool = words.tool.value_or(machine_.tool);
    const std::int32_t offset = words.toolOffset.value_or(machine_.toolOffset);
    if (tool != machine_.tool || offset != machine_.toolOffset) {
      machine_.tool = tool;
      machine_.toolOffset = offset;
      listener_.ToolChanged(Place(line), tool, offset);
    }
  }
  // A stop of the spindle comes after the move.
  if (words.spindle != SpindleState::kStopped) {
    const SpindleState state = words.spindle.value_or(machine_.spindle);
    const double speed = words.speed.value_or(machine_.speed);
    if (state != machine_.spindle || speed != machine_.speed) {
      machine_.spindle = state;
      machine_.speed = speed;
      listener_.SpindleChanged(Place(line), state, speed);
    }
  }
  if (words.dwell) {
    listener_.Dwelled(Place(line), words.feed.value_or(0.0));
  } else if (words.feed) {
    machine_.feed = *words.feed;
  }
}

void Execution::ReportStops(std::int32_t line, const BlockWords& words) {
  if (words.spindle == SpindleState::kStopped) {
    const double speed = words.speed.value_or(machine_.speed);
    if (machine_.spindle != SpindleState::kStopped || speed != machine_.speed) {
      machine_.spindle = SpindleState::kStopped;
      machine_.speed = speed;
      listener_.SpindleChanged(Place(line), machine_.spindle, speed);
    }
  }
  if (words.stop) listener_.Stopped(Place(line), *words.stop);
}

bool Execution::MoveAxes(std::int32_t line, const BlockWords& words, bool& moved) {
  moved = false;
  if (words.axes.empty()) return true;
  std::vector<double>& target = target_;
  target = machine_.workpiece;
  for (const BlockWords::Axis& word : words.axes) {
    const bool incremental =
        word.distance == Distance::kIncremental || (word.distance == Distance::kModal && machine_.incremental);
    target[word.axis] = incremental ? machine_.workpiece[word.axis] + word.value : word.value;
  }
  std::vector<double>& to = machineTarget_;
  frames_.ToMachine(target, to);
  double otherTravel = 0.0;
  for (const std::size_t axis : frames_.otherAxes()) {
    otherTravel = std::max(otherTravel, std::abs(to[axis] - machine_.machine[axis]));
  }
  Point3 chord = GeometryPoint(to);
  const Point3 from = GeometryPoint(machine_.machine);
  for (std::size_t k = 0; k < 3; ++k) chord[k] -= from[k];

  using Motion = MachineState::Motion;
  Move move{machine_.motion == Motion::kRapid ? Move::Kind::kRapid : Move::Kind::kLinear,
            machine_.machine,
            to,
            machine_.motion == Motion::kRapid ? 0.0 : machine_.feed,
            Length(chord),
            otherTravel};
  if (machine_.motion == Motion::kClockwise || machine_.motion == Motion::kCounterClockwise) {
    move.kind = Move::Kind::kArc;
    if (!PlanArc(words, target, chord, move)) return false;
  }
  listener_.Moved(Place(line), move);
  machine_.workpiece.swap(target);
  machine_.machine.swap(to);
  moved = true;
  return true;
}

bool Execution::PlanArc(const BlockWords& words, const std::vector<double>& target, const Point3& chord, Move& move) {
  const std::array<std::size_t, 3> plane = PlaneGeometry(machine_.plane);
  const std::int32_t first = frames_.geometry()[plane[0]];
  const std::int32_t second = frames_.geometry()[plane[1]];
  if (first < 0 || second < 0) return Fail("The working plane lacks a geometry axis of the channel.");
  const std::vector<double>& start = machine_.workpiece;
  const double start1 = start[static_cast<std::size_t>(first)], start2 = start[static_cast<std::size_t>(second)];
  const double end1 = target[static_cast<std::size_t>(first)], end2 = target[static_cast<std::size_t>(second)];
  const bool clockwise = machine_.motion == MachineState::Motion::kClockwise;

  double centre1 = start1, centre2 = start2;
  if (words.radius) {
    if (!ArcCentreFromRadius({start1, start2, end1, end2}, *words.radius, clockwise, centre1, centre2)) return false;
  } else {
    const std::optional<BlockWords::Centre>& offset1 = words.centre[plane[0]];
    const std::optional<BlockWords::Centre>& offset2 = words.centre[plane[1]];
    if (!offset1 && !offset2) {
      return Fail(std::string(clockwise ? "G2" : "G3") + " needs the centre of its arc (I, J, K) or its radius (CR=).");
    }
    if (offset1) centre1 = offset1->absolute ? offset1->value : start1 + offset1->value;
    if (offset2) centre2 = offset2->absolute ? offset2->value : start2 + offset2->value;
  }
  const double startRadius = std::hypot(start1 - centre1, start2 - centre2);
  const double endRadius = std::hypot(end1 - centre1, end2 - centre2);
  if (startRadius == 0.0) return Fail("The arc has no radius: its centre is its start point.");
  if (std::abs(startRadius - endRadius) > kArcTolerance) {
    return Fail("The end point is not on the arc: it lies " + RealText(endRadius) + " from the centre, the start " +
                RealText(startRadius) + ".");
  }
  // Counter-clockwise from 0 (exclusive) to a full turn; clockwise the rest
  // of the turn, negative.
  double sweep = kTurn;
  if (words.radius || std::hypot(end1 - start1, end2 - start2) > kSamePoint) {
    sweep = std::atan2(end2 - centre2, end1 - centre1) - std::atan2(start2 - centre2, start1 - centre1);
    while (sweep <= 0.0) sweep += kTurn;
    while (sweep > kTurn) sweep -= kTurn;
    if (clockwise) sweep -= kTurn;
  } else if (clockwise) {
    sweep = -kTurn;
  }

  // The plane's axes as the frame maps them: an arc stays an arc only when
  // they keep their lengths equal and stay square.
  const Point3 axis1 = Row(frames_.matrix(), plane[0]);
  const Point3 axis2 = Row(frames_.matrix(), plane[1]);
  const double scale = Length(axis1);
  if (std::abs(scale - Length(axis2)) > 1e-9 * scale || std::abs(Dot(axis1, axis2)) > 1e-9 * scale * scale) {
    return Fail("The frame scales the working plane unevenly, which would turn the arc into an ellipse.");
  }
  const Point3 normal = Cross(axis1, axis2);
  const double normalLength = Length(normal);
  move.normal = {normal[0] / normalLength, normal[1] / normalLength, normal[2] / normalLength};
  move.sweep = sweep;
  std::size_t nearest = 0;
  for (std::size_t k = 1; k < 3; ++k) {
    if (std::abs(move.normal[k]) > std::abs(move.normal[nearest])) nearest = k;
  }
  move.clockwise = (move.normal[nearest] < 0.0) != (sweep < 0.0);

  std::vector<double> centre = start;
  centre[static_cast<std::size_t>(first)] = centre1;
  centre[static_cast<std::size_t>(second)] = centre2;
  std::vector<double> machineCentre;
  frames_.ToMachine(centre, machineCentre);
  move.centre = GeometryPoint(machineCentre);
  const double rise = Dot(chord, move.normal);
  move.length = std::hypot(startRadius * scale * sweep, rise);
  return true;
}

bool Execution::ArcCentreFromRadius(const std::array<double, 4>& ends, double radius, bool clockwise, double& centre1,
                                    double& centre2) {
  SmartPointer<Orv::INCStruct> answer;
  arcCentreType_->CreateValue(answer);
  SmartPointer<Orv::INCObject> nothing;
  std::string error;
  if (!CallMethod(context_, "CalculateCenterFromRadius",
                  {BasicValue::Real(ends[0]), BasicValue::Real(ends[1]), BasicValue::Real(ends[2]),
                   BasicValue::Real(ends[3]), BasicValue::Real(radius), BasicValue::Bool(clockwise), answer},
                  nothing, error)) {
    return Fail(error);
  }
  SmartPointer<Orv::INCObject> x, y;
  answer->GetMember("CenterX", x);
  answer->GetMember("CenterY", y);
  const auto* valueX = dynamic_cast<const Orv::INCValue*>(x.get());
  const auto* valueY = dynamic_cast<const Orv::INCValue*>(y.get());
  if (valueX && valueY && valueX->GetReal(centre1) == Orv::ORV_SUCCESS &&
      valueY->GetReal(centre2) == Orv::ORV_SUCCESS) {
    return true;
  }
  return Fail("CalculateCenterFromRadius gave no centre.");
}

}  // namespace Velkor::OrvReference
