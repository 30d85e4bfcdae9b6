// What tessan run makes of the events of a run: the numbers of its lines,
// the summary's lengths and time, and the picture of the path.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "orvref/text_forms.h"
#include "path_picture.h"
#include "rounded_text.h"
#include "run_summary.h"

namespace Velkor::Tessan {
namespace {

using OrvReference::Move;

std::string Position(double value) {
  std::string text;
  AppendPosition(value, text);
  return text;
}

TEST(TessanRunNumbers, PositionsAreRoundedToNanometresInTheHostsRealForm) {
  EXPECT_EQ(Position(6.123233995736766e-16), "0.0");
  EXPECT_EQ(Position(-1e-12), "0.0");
  EXPECT_EQ(Position(10.000000000000002), "10.0");
  EXPECT_EQ(Position(-0.25), "-0.25");
  EXPECT_EQ(Position(26.92582403567252), "26.925824036");
  EXPECT_EQ(Position(1.0 / 3.0), "0.333333333");
  // Where the host's form is the exponent one, so is this one.
  EXPECT_EQ(Position(1e-7), "1e-07");
  EXPECT_EQ(Position(0.0001), "1e-04");
  EXPECT_EQ(Position(100000.0), "1e+05");
  EXPECT_EQ(Position(99999.9999999999), "1e+05");
  EXPECT_EQ(Position(0.01), "0.01");
}

TEST(TessanRunNumbers, RoundingCarriesIntoTheWholeNumberAndDropsTheZerosItLeaves) {
  EXPECT_EQ(Position(0.9999999999), "1.0");
  EXPECT_EQ(Position(-0.9999999999), "-1.0");
  EXPECT_EQ(Position(9.9999999996), "10.0");
  EXPECT_EQ(Position(99.9999999995), "100.0");
  EXPECT_EQ(Position(1.2999999999), "1.3");
  EXPECT_EQ(Position(-340.1879999999), "-340.188");
  EXPECT_EQ(Position(99999.9999999994), "99999.999999999");
  EXPECT_EQ(Position(-99999.9999999999), "-1e+05");
  // Just under the smallest number written in fixed digits, rounding lifts
  // it there.
  EXPECT_EQ(Position(0.0099999999996), "0.01");
  EXPECT_EQ(Position(-0.0199999999996), "-0.02");
  EXPECT_EQ(Position(0.0100000000004), "0.01");
}

TEST(TessanRunNumbers, TheFastFormIsTheHostsFormOfTheRoundedNumber) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-12.0, 8.0);
  std::uniform_int_distribution<int> digits(0, 9);
  for (int trial = 0; trial < 200000; ++trial) {
    // Numbers of every magnitude, and numbers of few decimals as programs
    // write them.
    double value = std::pow(10.0, exponent(random)) * (trial % 2 == 0 ? 1 : -1);
    if (trial % 3 == 0) value = std::round(value * std::pow(10.0, digits(random))) / std::pow(10.0, digits(random));
    ASSERT_EQ(Position(value), RoundedText(value, kPositionDecimals)) << value;
  }
}

Move StraightMove(Move::Kind kind, const std::vector<double>& from, const std::vector<double>& to, double length,
                  double feed, double otherTravel = 0.0) {
  return Move{kind, from, to, feed, length, otherTravel};
}

TEST(TessanRunSummary, FeedMovesTakeTheirFeedRapidsTheRapidRateOtherAxesTheirLongestTravel) {
  RunSummary summary(6000.0);
  const std::vector<double> origin(6, 0.0), ahead{30.0, 40.0, 0.0, 0.0, 0.0, 0.0};
  // 50 mm at 100 mm/min: 30 s; 50 mm rapid at 6000 mm/min: 0.5 s; a rotary
  // axis turning 90 degrees alone at 300: 18 s; a dwell of 1.25 s.
  EXPECT_TRUE(summary.Moved(StraightMove(Move::Kind::kLinear, origin, ahead, 50.0, 100.0)));
  EXPECT_TRUE(summary.Moved(StraightMove(Move::Kind::kRapid, ahead, origin, 50.0, 0.0)));
  EXPECT_TRUE(summary.Moved(StraightMove(Move::Kind::kLinear, origin, origin, 0.0, 300.0, 90.0)));
  summary.Dwelled(1.25);
  // A feed move without a feed has no time; one that goes nowhere needs none.
  EXPECT_FALSE(summary.Moved(StraightMove(Move::Kind::kLinear, origin, ahead, 50.0, 0.0)));
  EXPECT_TRUE(summary.Moved(StraightMove(Move::Kind::kLinear, origin, origin, 0.0, 0.0)));
  EXPECT_EQ(summary.Line(12),
            "summary: 12 blocks, 5 moves, feed path 100.0 mm, rapid path 50.0 mm, estimated time 49.75 s");
}

class TessanRunPicture : public ::testing::Test {
 protected:
  std::string Drawn(const std::vector<Move>& moves) {
    PathPicture picture({0, 1, 2});
    EXPECT_TRUE(picture.Open());
    for (const Move& move : moves) picture.Add(move);
    const std::string path = ::testing::TempDir() + "tessan_run_picture.svg";
    EXPECT_TRUE(picture.Write(path));
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    std::remove(path.c_str());
    return text.str();
  }

  const std::vector<double> origin_ = std::vector<double>(6, 0.0);
  const std::vector<double> right_{10.0, 0.0, 0.0, 0.0, 0.0, 0.0};
  const std::vector<double> deep_{10.0, 0.0, -5.0, 0.0, 0.0, 0.0};
};

TEST_F(TessanRunPicture, ArcsTurnAsSeenFromAboveWithYUpAndDrillingsAreDots) {
  Move counterClockwise = StraightMove(Move::Kind::kArc, origin_, right_, 15.7, 100.0);
  counterClockwise.centre = {5.0, 0.0, 0.0};
  counterClockwise.normal = {0.0, 0.0, 1.0};
  counterClockwise.sweep = std::acos(-1.0);
  Move clockwise = counterClockwise;
  clockwise.sweep = -clockwise.sweep;
  const std::string picture =
      Drawn({counterClockwise, clockwise, StraightMove(Move::Kind::kLinear, right_, deep_, 5.0, 100.0)});
  // y is written negated. A half turn from (0,0) to (10,0) passes below the
  // axis counter-clockwise (sweep flag 0, toward negative angles with y
  // down) and above it clockwise (sweep flag 1).
  EXPECT_NE(picture.find("<path class=\"feed\" d=\"M0.000 0.000 A5.000 5.000 0 0 0 10.000 0.000\"/>"),
            std::string::npos)
      << picture;
  EXPECT_NE(picture.find("<path class=\"feed\" d=\"M0.000 0.000 A5.000 5.000 0 0 1 10.000 0.000\"/>"),
            std::string::npos)
      << picture;
  EXPECT_NE(picture.find("<use href=\"#dot\" x=\"10.000\" y=\"0.000\"/>"), std::string::npos) << picture;
  // The arc's lowest and highest points are in the drawing: y from -5 to 5
  // with a margin of 5 % of the 10 mm extent.
  EXPECT_NE(picture.find("viewBox=\"-0.500 -5.500 11.000 11.000\""), std::string::npos) << picture;
}

TEST_F(TessanRunPicture, RapidsAreDashedAndThePictureOfNothingIsStillADrawing) {
  const std::string path = Drawn({StraightMove(Move::Kind::kRapid, origin_, right_, 10.0, 0.0)});
  EXPECT_NE(path.find("<path class=\"rapid\" d=\"M0.000 0.000 L10.000 0.000\"/>"), std::string::npos) << path;
  const std::string nothing = Drawn({});
  EXPECT_EQ(nothing.find("<path"), std::string::npos);
  EXPECT_NE(nothing.find("</svg>"), std::string::npos);
}

}  // namespace
}  // namespace Velkor::Tessan
