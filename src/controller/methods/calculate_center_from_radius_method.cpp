// CalculateCenterFromRadius: the centre of an arc in the working plane, from
// its start and end point, a signed radius and a direction flag. The answer
// goes into the members "CenterX" and "CenterY" of a structure the caller
// passes; the method has no value of its own.
#include <cmath>

#include "controller/debug_checks.h"
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "orv/channel.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

// Used when the channel gives no positive tolerance.
constexpr double kDefaultRadiusTolerance = 0.001;

struct Point {
  double x;
  double y;
};

struct Arc {
  Point start;
  Point end;
  double radius;   // its sign and the flag choose the side of the centre
  bool clockwise;  // the direction flag
};

// False when the radius, even with the tolerance added, cannot span the
// chord, or when the end points coincide and leave the side undefined.
bool FindCentre(const Arc& arc, double tolerance, Point& centre) {
  const double dx = arc.end.x - arc.start.x;
  const double dy = arc.end.y - arc.start.y;
  const double chord = std::sqrt(dx * dx + dy * dy);
  const double halfChord = chord * 0.5;
  if (!(tolerance > 0.0)) tolerance = kDefaultRadiusTolerance;  // NaN too
  double radius = std::abs(arc.radius);
  if (tolerance + radius < halfChord || !(chord > 0.0)) return false;
  // A radius short by no more than the tolerance makes a half circle.
  if (radius < halfChord) radius = halfChord;

  // The unit normal of the chord: to the left of the direction from start to
  // end, or to the right.
  const bool left = arc.clockwise ? arc.radius < 0.0 : arc.radius > 0.0;
  const Point normal = left ? Point{-dy / chord, dx / chord} : Point{dy / chord, -dx / chord};
  const double distance = std::sqrt(radius * radius - halfChord * halfChord);
  centre = {distance * normal.x + dx * 0.5 + arc.start.x, distance * normal.y + dy * 0.5 + arc.start.y};
  return true;
}

void StoreCoordinate(Orv::IExecutionContext& context, Orv::INCStruct& answer, const char* member, double value) {
  const auto number = MakeRealValue(context, value);
  CheckCreated(bool(number), __LINE__);
  CheckSucceeded(answer.SetMember(member, number.get()), __LINE__);
}

}  // namespace

bool CalculateCenterFromRadiusMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                                               SmartPointer<Orv::INCObject>&, Report& report) {
  Arc arc{};
  if (!FetchReal(arguments, 0, arc.start.x, report) || !FetchReal(arguments, 1, arc.start.y, report) ||
      !FetchReal(arguments, 2, arc.end.x, report) || !FetchReal(arguments, 3, arc.end.y, report) ||
      !FetchReal(arguments, 4, arc.radius, report) || !FetchBool(arguments, 5, arc.clockwise, report)) {
    return false;
  }
  Orv::IChannel* channel = context.GetChannel();
  if (channel == nullptr) return report.FailQuietly();
  Point centre{};
  if (!FindCentre(arc, channel->GetRadiusTolerance(), centre)) return report.Fail(kRadiusTooSmall);

  const auto answer = FetchStructArgument(arguments, 6, report);
  if (!answer) return false;
  StoreCoordinate(context, *answer, "CenterX", centre.x);
  StoreCoordinate(context, *answer, "CenterY", centre.y);
  return true;
}

}  // namespace Velkor::OrvTessan
