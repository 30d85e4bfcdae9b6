// CalculateCenterFromRadius: the centre of an arc from (0, 0) to (10, 0)
// unless said otherwise; the channel's radius tolerance is 0.001.
#include <cmath>

#include "controller_fixture.h"
#include "mirel/assertion.h"
#include "plugin/results.h"

namespace Velkor::OrvTessan::testing {
namespace {

constexpr const char* kTooSmall = "The programmed radius is too small.";

class ArcCentre : public ControllerTest {
 protected:
  ArcCentre() : answer_(NewAnswer({"CenterX", "CenterY"})) {}
  void TearDown() override {
    answer_.reset();
    ControllerTest::TearDown();
  }

  Frame NewAnswer(std::vector<const char*> members) {
    Frame answer;
    StructType(Orv::BasicType::Real, std::move(members))->CreateValue(answer);
    return answer;
  }
  Outcome Centre(double x1, double y1, double x2, double y2, double radius, bool flag) {
    return Evaluate("CalculateCenterFromRadius",
                    {Real(x1), Real(y1), Real(x2), Real(y2), Real(radius), Bool(flag), answer_});
  }
  // The member's value; -12345 when the answer has no such member.
  double Member(const char* name) {
    Object member;
    double value = -12345.0;
    if (answer_->GetMember(name, member) == Orv::ORV_SUCCESS) {
      Orv::DynamicPointerCast<Orv::INCValue>(member)->GetReal(value);
    }
    return value;
  }
  // Expects success with the centre (x, y).
  void ExpectCentre(const Outcome& outcome, double x, double y) {
    EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
    EXPECT_FALSE(outcome.value);
    EXPECT_NEAR(Member("CenterX"), x, 1e-9);
    EXPECT_NEAR(Member("CenterY"), y, 1e-9);
  }
  void ExpectRefused(const Outcome& outcome, const char* message) {
    EXPECT_EQ(outcome.result, kFailure);
    EXPECT_EQ(outcome.status, 0u);
    EXPECT_EQ(outcome.message, message);
    EXPECT_EQ(Member("CenterX"), 0.0);
    EXPECT_EQ(Member("CenterY"), 0.0);
  }

  Frame answer_;
};

TEST_F(ArcCentre, HalfCircleHasItsCentreOnTheChord) {
  ExpectCentre(Centre(0, 0, 10, 0, 5, false), 5, 0);
}

TEST_F(ArcCentre, RadiusShortByLessThanTheToleranceMakesAHalfCircle) {
  ExpectCentre(Centre(0, 0, 10, 0, 4.9995, false), 5, 0);
}

TEST_F(ArcCentre, RadiusShortByMoreThanTheToleranceIsRefused) {
  ExpectRefused(Centre(0, 0, 10, 0, 4.99, false), kTooSmall);
  channel().SetRadiusTolerance(0.0001);
  ExpectRefused(Centre(0, 0, 10, 0, 4.9995, false), kTooSmall);
}

TEST_F(ArcCentre, ToleranceOfZeroOrBelowCountsAsTheDefault) {
  for (const double tolerance : {0.0, -1.0}) {
    channel().SetRadiusTolerance(tolerance);
    ExpectCentre(Centre(0, 0, 10, 0, 4.9995, false), 5, 0);
  }
}

TEST_F(ArcCentre, ToleranceThatIsNoNumberCountsAsTheDefault) {
  channel().SetRadiusTolerance(std::nan(""));
  ExpectRefused(Centre(0, 0, 10, 0, 4.99, false), kTooSmall);
  ExpectCentre(Centre(0, 0, 10, 0, 4.9995, false), 5, 0);
}

// With r = 5·√2 the centre lies 5 off the chord: to its left (above) for a
// positive radius without the flag, and the flag or a negative radius each
// move it to the other side.
TEST_F(ArcCentre, FlagAndSignChooseTheSide) {
  const double radius = 5.0 * std::sqrt(2.0);
  ExpectCentre(Centre(0, 0, 10, 0, radius, false), 5, 5);
  ExpectCentre(Centre(0, 0, 10, 0, radius, true), 5, -5);
  ExpectCentre(Centre(0, 0, 10, 0, -radius, false), 5, -5);
  ExpectCentre(Centre(0, 0, 10, 0, -radius, true), 5, 5);
}

TEST_F(ArcCentre, LeftIsSeenInTheDirectionOfTravel) {
  // From (10, 0) up to (10, 10): left is toward smaller x.
  ExpectCentre(Centre(10, 0, 10, 10, 5.0 * std::sqrt(2.0), false), 5, 5);
}

TEST_F(ArcCentre, CoincidentEndPointsAreRefused) {
  ExpectRefused(Centre(3, 4, 3, 4, 5, false), kTooSmall);
}

TEST_F(ArcCentre, ArgumentRefusals) {
  ExpectRefused(
      Evaluate("CalculateCenterFromRadius", {Real(0), Real(0), Real(10), Text("0"), Real(5), Bool(false), answer_}),
      "An argument has the wrong type.");
  ExpectRefused(
      Evaluate("calculateCenterFromRadius", {Real(0), Real(0), Real(10), Real(0), Real(5), Real(0.5), answer_}),
      "An argument has the wrong type.");
  ExpectRefused(Evaluate("CalculateCenterFromRadius", {Real(0), Real(0), Real(10), Real(0), Real(5), Bool(false)}),
                "Wrong argument count in command.");
}

// A store that the answer refuses is only reported by the debug checks, and
// only when the checking level asks for them.
TEST_F(ArcCentre, RefusedStoreIsReportedOnlyWhenChecking) {
  answer_ = NewAnswer({"CenterY"});
  Diagnostics::ClearRecordedAssertions();
  ExpectCentre(Centre(0, 0, 10, 0, 5, false), -12345.0, 0);  // no CenterX to write
  EXPECT_TRUE(Diagnostics::RecordedAssertions().empty());

  MACH__checking_level = 1;
  const Outcome outcome = Centre(0, 0, 10, 0, 5, false);
  MACH__checking_level = 0;
  EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS);
  ASSERT_EQ(Diagnostics::RecordedAssertions().size(), 1u);
  const auto& report = Diagnostics::RecordedAssertions().front();
  EXPECT_EQ(report.sourceName, "OrvTessan_CtrlMethods");
  EXPECT_EQ(report.expression, "Velkor::Orv::ORV_SUCCESS == nResult");
  EXPECT_GT(report.line, 0);
  Diagnostics::ClearRecordedAssertions();
}

}  // namespace
}  // namespace Velkor::OrvTessan::testing
