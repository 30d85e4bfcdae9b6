// Frames as matrices and back, and the inverse frame: the conversions seen
// through GetMatrixFromFrame, GetFrameFromMatrix and InvertFrame.
#include "controller_fixture.h"

namespace Velkor::OrvTessan::testing {
namespace {

class FrameMatrices : public ControllerTest {
 protected:
  // A frame with the three elements of `component` on the geometry axes.
  void SetGeometry(Orv::INCStruct& frame, const char* component, double x, double y, double z) {
    SetElement(frame, component, 0, x);
    SetElement(frame, component, 1, y);
    SetElement(frame, component, 2, z);
  }
  Frame Inverse(const Frame& frame) {
    const Outcome outcome = Evaluate("InvertFrame", {frame});
    EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
    return Orv::DynamicPointerCast<Orv::INCStruct>(outcome.value);
  }
  // Frame to matrix to frame to matrix: the second matrix must be the first.
  void ExpectRoundTrip(const Frame& frame) {
    const Orv::Matrix first = MatrixOf(frame);
    EXPECT_TRUE(MatricesNear(first, MatrixOf(FrameOf(first))));
  }
};

// --- Frame to matrix ---

TEST_F(FrameMatrices, MirrorNegatesTheScale) {
  const Frame frame = NewFrame();
  SetElement(*frame, "MI", 0, 1.0);
  SetElement(*frame, "SC", 0, 2.0);
  EXPECT_TRUE(MatricesNear(Affine({{-2, 0, 0}, {0, 1, 0}, {0, 0, 1}}), MatrixOf(frame), 0.0));
}

TEST_F(FrameMatrices, RotationFollowsTheChannelsSequence) {
  const Frame frame = NewFrame();
  SetGeometry(*frame, "RT", 90, 90, 0);
  // About X, then about Y.
  EXPECT_TRUE(MatricesNear(Affine({{0, 0, -1}, {1, 0, 0}, {0, -1, 0}}), MatrixOf(frame)));
  channel().SetRotationSequence(1);
  // About Z, then about X.
  EXPECT_TRUE(MatricesNear(Affine({{0, 0, 1}, {-1, 0, 0}, {0, -1, 0}}), MatrixOf(frame)));
}

TEST_F(FrameMatrices, ScaleThenRotateThenTranslate) {
  const Frame frame = NewFrame();
  SetElement(*frame, "SC", 0, 2.0);
  SetElement(*frame, "RT", 2, 90.0);
  SetElement(*frame, "TR", 0, 1.0);
  SetElement(*frame, "FI", 1, 0.5);
  EXPECT_TRUE(MatricesNear(Affine({{0, 2, 0}, {-1, 0, 0}, {0, 0, 1}}, {1, 0.5, 0}), MatrixOf(frame)));
}

TEST_F(FrameMatrices, OtherAxesDoNotEnterTheMatrix) {
  const Frame frame = NewFrame();
  SetElement(*frame, "TR", 3, 5.0);
  SetElement(*frame, "RT", 4, 30.0);
  SetElement(*frame, "SC", 5, 2.0);
  EXPECT_TRUE(MatricesNear(Orv::Matrix(), MatrixOf(frame), 0.0));
}

// --- Matrix to frame ---

TEST_F(FrameMatrices, NegativeScaleBecomesAMirror) {
  const Frame frame = FrameOf(Affine({{-2, 0, 0}, {0, 1, 0}, {0, 0, 1}}));
  ASSERT_TRUE(frame);
  EXPECT_EQ(Element(*frame, "SC", 0), 2.0);
  EXPECT_EQ(Element(*frame, "MI", 0), 1.0);
  SetElement(*frame, "SC", 0, 1.0);
  SetElement(*frame, "MI", 0, 0.0);
  EXPECT_TRUE(IsDefaultFrame(*frame));
}

TEST_F(FrameMatrices, FineTranslationIsFoldedIntoTheCoarseOne) {
  const Frame frame = NewFrame();
  SetElement(*frame, "TR", 0, 1.0);
  SetElement(*frame, "FI", 0, 0.5);
  const Frame back = FrameOf(MatrixOf(frame));
  ASSERT_TRUE(back);
  EXPECT_EQ(Element(*back, "TR", 0), 1.5);
  EXPECT_EQ(Element(*back, "FI", 0), 0.0);
}

TEST_F(FrameMatrices, AbsentGeometryAxisIsNeitherReadNorWritten) {
  for (const std::vector<Orv::String>& geometry : {std::vector<Orv::String>{"X", "Y"},          // no third name
                                                   std::vector<Orv::String>{"X", "Y", "Q"}}) {  // unknown
    channel().SetGeometryAxes(geometry);
    const Frame frame = NewFrame();
    SetElement(*frame, "TR", 2, 7.0);
    EXPECT_TRUE(MatricesNear(Orv::Matrix(), MatrixOf(frame), 0.0));
    const Frame back = FrameOf(Affine({{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {0, 0, 4}));
    ASSERT_TRUE(back);
    EXPECT_TRUE(IsDefaultFrame(*back));
  }
}

// --- Round trips ---

TEST_F(FrameMatrices, RoundTripOfTranslation) {
  const Frame frame = NewFrame();
  SetGeometry(*frame, "TR", 1, 2, 3);
  SetElement(*frame, "FI", 0, 0.5);
  ExpectRoundTrip(frame);
}

TEST_F(FrameMatrices, RoundTripOfRotation) {
  const Frame frame = NewFrame();
  SetGeometry(*frame, "RT", 30, 40, 50);
  ExpectRoundTrip(frame);
  SetGeometry(*frame, "RT", -170, 89, 120);
  ExpectRoundTrip(frame);
}

// A matrix always comes back as X-Y-Z angles, whatever the channel's
// sequence, so the frame that comes back is read in that sequence.
TEST_F(FrameMatrices, RoundTripOfZxzRotationComesBackAsXyzAngles) {
  channel().SetRotationSequence(1);
  const Frame frame = NewFrame();
  SetGeometry(*frame, "RT", 30, 40, 50);
  const Orv::Matrix first = MatrixOf(frame);
  const Frame back = FrameOf(first);
  channel().SetRotationSequence(0);
  EXPECT_TRUE(MatricesNear(first, MatrixOf(back)));
}

TEST_F(FrameMatrices, RoundTripOfScale) {
  const Frame frame = NewFrame();
  SetGeometry(*frame, "SC", 2, 3, 0.5);
  ExpectRoundTrip(frame);
}

TEST_F(FrameMatrices, MirrorOnYComesBackAsMirrorOnXWithAHalfTurn) {
  const Frame frame = NewFrame();
  SetElement(*frame, "MI", 1, 1.0);
  SetElement(*frame, "SC", 1, 2.0);
  const Orv::Matrix first = MatrixOf(frame);
  const Frame back = FrameOf(first);
  ASSERT_TRUE(back);
  EXPECT_EQ(Element(*back, "MI", 0), 1.0);
  EXPECT_EQ(Element(*back, "MI", 1), 0.0);
  EXPECT_NEAR(Element(*back, "SC", 1), 2.0, 1e-12);
  EXPECT_NEAR(Element(*back, "RT", 2), 180.0, 1e-9);
  EXPECT_TRUE(MatricesNear(first, MatrixOf(back)));
}

TEST_F(FrameMatrices, RoundTripOfEverythingTogether) {
  const Frame frame = NewFrame();
  SetGeometry(*frame, "TR", -4, 2.5, 9);
  SetGeometry(*frame, "RT", 10, -20, 30);
  SetGeometry(*frame, "SC", 1.5, 1.5, 1.5);
  SetElement(*frame, "MI", 2, 1.0);
  ExpectRoundTrip(frame);
}

// --- Inversion ---

TEST_F(FrameMatrices, InverseUndoesTheFrame) {
  const Frame frame = NewFrame();
  SetGeometry(*frame, "TR", 1, 2, 3);
  SetGeometry(*frame, "RT", 30, 40, 50);
  SetGeometry(*frame, "SC", 2, 2, 2);
  SetElement(*frame, "MI", 1, 1.0);
  EXPECT_TRUE(MatricesNear(Orv::Matrix(), MatrixOf(frame) * MatrixOf(Inverse(frame))));
}

TEST_F(FrameMatrices, DefaultFrameIsItsOwnInverse) {
  const Frame inverse = Inverse(NewFrame());
  ASSERT_TRUE(inverse);
  EXPECT_TRUE(IsDefaultFrame(*inverse));
}

TEST_F(FrameMatrices, OtherAxesAreInvertedElementByElement) {
  const Frame frame = NewFrame();
  SetElement(*frame, "TR", 3, 5.0);
  SetElement(*frame, "SC", 3, 0.0);  // no inverse: stays
  SetElement(*frame, "RT", 4, 30.0);
  SetElement(*frame, "SC", 4, 4.0);
  SetElement(*frame, "FI", 5, 2.0);
  SetElement(*frame, "MI", 5, 1.0);  // a mirror is its own inverse
  const Frame inverse = Inverse(frame);
  ASSERT_TRUE(inverse);
  EXPECT_EQ(Element(*inverse, "TR", 3), -5.0);
  EXPECT_EQ(Element(*inverse, "SC", 3), 0.0);
  EXPECT_EQ(Element(*inverse, "RT", 4), -30.0);
  EXPECT_EQ(Element(*inverse, "SC", 4), 0.25);
  EXPECT_EQ(Element(*inverse, "FI", 5), -2.0);
  EXPECT_EQ(Element(*inverse, "MI", 5), 1.0);
  EXPECT_EQ(Element(*inverse, "MI", 4), 0.0);
}

TEST_F(FrameMatrices, InvertingTwiceGivesTheFrameBack) {
  const Frame frame = NewFrame();
  SetGeometry(*frame, "TR", 1, 2, 3);
  SetGeometry(*frame, "RT", 30, 40, 50);
  SetGeometry(*frame, "SC", 2, 2, 2);
  SetElement(*frame, "MI", 0, 1.0);
  SetElement(*frame, "TR", 3, 5.0);
  SetElement(*frame, "SC", 4, 4.0);
  SetElement(*frame, "MI", 5, 1.0);
  const Frame twice = Inverse(Inverse(frame));
  ASSERT_TRUE(twice);
  EXPECT_TRUE(MatricesNear(MatrixOf(frame), MatrixOf(twice)));
  EXPECT_EQ(Element(*twice, "TR", 3), 5.0);
  EXPECT_EQ(Element(*twice, "SC", 4), 4.0);
  EXPECT_EQ(Element(*twice, "MI", 5), 1.0);
}

}  // namespace
}  // namespace Velkor::OrvTessan::testing
