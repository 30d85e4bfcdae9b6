// The frame methods: CreateFrame, GetFrameElement, GetFrameFromMatrix,
// GetMatrixFromFrame, InvertFrame and MultiplyFrames.
#include <cmath>

#include "controller_fixture.h"
#include "plugin/results.h"

namespace Velkor::OrvTessan::testing {

using Orv::SmartPointer;

namespace {

constexpr const char* kWrongType = "An argument has the wrong type.";
constexpr const char* kInternal = "Internal error.";

class FrameMethods : public ControllerTest {
 protected:
  // The frame a method returned; fails the test when there is none.
  Frame FrameResult(const Outcome& outcome) {
    EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
    const auto frame = Orv::DynamicPointerCast<Orv::INCStruct>(outcome.value);
    EXPECT_TRUE(frame);
    return frame;
  }
  Frame Translation(double x, double y, double z) {
    const Frame frame = NewFrame();
    SetElement(*frame, "TR", 0, x);
    SetElement(*frame, "TR", 1, y);
    SetElement(*frame, "TR", 2, z);
    return frame;
  }
};

// --- CreateFrame ---

TEST_F(FrameMethods, CreateFrameWithoutArgumentsIsNeutral) {
  const Frame frame = FrameResult(Evaluate("CreateFrame", {}));
  ASSERT_TRUE(frame);
  EXPECT_TRUE(IsDefaultFrame(*frame));
  SmartPointer<Orv::INCType> type;
  frame->GetType(type);
  EXPECT_EQ(type->CompareType(FrameType().get()), 0);
}

TEST_F(FrameMethods, CreateFrameSetsTheListedAxes) {
  const Frame frame = FrameResult(Evaluate("createFrame", {Text("TR"), Int(0), Real(10.0), Int(1), Real(20.0)}));
  ASSERT_TRUE(frame);
  EXPECT_EQ(Element(*frame, "TR", 0), 10.0);
  EXPECT_EQ(Element(*frame, "TR", 1), 20.0);
  SetElement(*frame, "TR", 0, 0.0);
  SetElement(*frame, "TR", 1, 0.0);
  EXPECT_TRUE(IsDefaultFrame(*frame));
}

TEST_F(FrameMethods, CreateFrameRefusals) {
  const struct {
    std::vector<Object> arguments;
    const char* message;
  } cases[] = {
      {{Text("TR"), Int(0)}, kWrongType},                     // an index without its value
      {{Text("TR"), Int(0), Real(1.0), Int(1)}, kWrongType},  // the same after a complete pair
      {{Text("XX"), Int(0), Real(1.0)}, kWrongType},          // no such component
      {{Text("TR"), Real(0.0), Real(1.0)}, kWrongType},       // an index that is no integer
      {{Text("TR"), Int(36), Real(1.0)}, kInternal},          // outside the frame
      {{Text("TR"), Int(0), Text("one")}, kInternal},         // a value the component refuses
      {{Text("TR"), Int(0), nullptr}, "Wrong argument count in command."},
  };
  for (const auto& [arguments, message] : cases) {
    const Outcome outcome = Evaluate("CreateFrame", arguments);
    EXPECT_EQ(outcome.result, kFailure);
    EXPECT_EQ(outcome.status, 0u);
    EXPECT_EQ(outcome.message, message);
    EXPECT_FALSE(outcome.value);
  }
}

// --- GetFrameElement ---

TEST_F(FrameMethods, GetFrameElementReadsByAxisName) {
  const Frame frame = NewFrame();
  SetElement(*frame, "RT", 1, 30.0);
  const Outcome outcome = Evaluate("GetFrameElement", {frame, Text("RT"), Text("Y")});
  ASSERT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
  double value = 0.0;
  EXPECT_EQ(Orv::DynamicPointerCast<Orv::INCValue>(outcome.value)->GetReal(value), Orv::ORV_SUCCESS);
  EXPECT_EQ(value, 30.0);
}

TEST_F(FrameMethods, GetFrameElementRefusals) {
  EXPECT_EQ(Evaluate("GetFrameElement", {NewFrame(), Text("RT"), Text("Q")}).message, kWrongType);
  EXPECT_EQ(Evaluate("GetFrameElement", {NewFrame(), Text("XX"), Text("Y")}).message, kInternal);
  EXPECT_EQ(Evaluate("GetFrameElement", {NewFrame(), Text("RT")}).message, "Wrong argument count in command.");
}

// --- GetFrameFromMatrix and GetMatrixFromFrame ---

TEST_F(FrameMethods, IdentityAndDefaultFrameCorrespond) {
  const Frame frame = FrameOf(Orv::Matrix());
  ASSERT_TRUE(frame);
  EXPECT_TRUE(IsDefaultFrame(*frame));
  EXPECT_TRUE(MatricesNear(Orv::Matrix(), MatrixOf(NewFrame()), 0.0));
}

TEST_F(FrameMethods, MatrixArgumentMustCarryAMatrix) {
  const Outcome outcome = Evaluate("GetFrameFromMatrix", {Real(1.0)});
  EXPECT_EQ(outcome.result, kFailure);
  EXPECT_EQ(outcome.message, "Wrong argument count in command.");
}

// --- InvertFrame ---

TEST_F(FrameMethods, InvertFrameLeavesItsArgumentAlone) {
  const Frame frame = Translation(10, 0, 0);
  const Frame inverse = FrameResult(Evaluate("InvertFrame", {frame}));
  ASSERT_TRUE(inverse);
  EXPECT_NEAR(Element(*inverse, "TR", 0), -10.0, 1e-12);
  EXPECT_NEAR(Element(*inverse, "TR", 1), 0.0, 1e-12);
  EXPECT_NEAR(Element(*inverse, "TR", 2), 0.0, 1e-12);
  EXPECT_EQ(Element(*frame, "TR", 0), 10.0);
}

// --- MultiplyFrames ---

TEST_F(FrameMethods, TranslationsAddUp) {
  const Frame first = Translation(10, 0, 0);
  const Frame second = Translation(0, 5, 0);
  SetElement(*first, "TR", 3, 2.0);
  SetElement(*second, "TR", 3, 3.0);
  SetElement(*first, "FI", 4, 0.25);
  const Frame product = FrameResult(Evaluate("MultiplyFrames", {first, second}));
  ASSERT_TRUE(product);
  EXPECT_NEAR(Element(*product, "TR", 0), 10.0, 1e-12);
  EXPECT_NEAR(Element(*product, "TR", 1), 5.0, 1e-12);
  EXPECT_NEAR(Element(*product, "TR", 2), 0.0, 1e-12);
  EXPECT_EQ(Element(*product, "TR", 3), 5.0);
  EXPECT_EQ(Element(*product, "FI", 4), 0.25);
}

// Sums of other axes than the geometry axes keep their signs: -0.0 plus
// -0.0 is -0.0, and a sum of +0.0 is +0.0 even where the factors were not.
TEST_F(FrameMethods, TranslationSumsKeepTheSignOfZero) {
  const Frame first = NewFrame();
  const Frame second = NewFrame();
  SetElement(*first, "TR", 4, -0.0);
  SetElement(*second, "TR", 4, -0.0);
  SetElement(*first, "FI", 5, -1.5);
  SetElement(*second, "FI", 5, 1.5);
  const Frame product = FrameResult(Evaluate("MultiplyFrames", {first, second}));
  ASSERT_TRUE(product);
  EXPECT_TRUE(std::signbit(Element(*product, "TR", 4)));
  EXPECT_EQ(Element(*product, "FI", 5), 0.0);
  EXPECT_FALSE(std::signbit(Element(*product, "FI", 5)));
  EXPECT_FALSE(std::signbit(Element(*product, "TR", 6)));
}

// A then B: moved along X first, then turned a quarter about Z, the
// translation ends up on Y.
TEST_F(FrameMethods, FirstFrameActsFirst) {
  const Frame move = Translation(10, 0, 0);
  const Frame turn = NewFrame();
  SetElement(*turn, "RT", 2, 90.0);
  for (const std::vector<Object>& arguments :
       {std::vector<Object>{move, turn}, std::vector<Object>{move, turn, Int(7), Int(8)}}) {
    const Frame product = FrameResult(Evaluate("MultiplyFrames", arguments));
    ASSERT_TRUE(product);
    EXPECT_NEAR(Element(*product, "TR", 0), 0.0, 1e-12);
    EXPECT_NEAR(Element(*product, "TR", 1), 10.0, 1e-12);
    EXPECT_NEAR(Element(*product, "RT", 2), 90.0, 1e-9);
  }
}

TEST_F(FrameMethods, FiveArgumentsNameTheGeometryAxes) {
  // With A, B, C as the geometry axes, X, Y, Z only add up their translations
  // and the product keeps no rotation about Z.
  const Frame move = Translation(10, 0, 0);
  const Frame turn = NewFrame();
  SetElement(*turn, "RT", 2, 90.0);
  const Frame product = FrameResult(Evaluate("MultiplyFrames", {move, turn, Int(3), Int(4), Int(5)}));
  ASSERT_TRUE(product);
  EXPECT_EQ(Element(*product, "TR", 0), 10.0);
  EXPECT_EQ(Element(*product, "TR", 1), 0.0);
  EXPECT_EQ(Element(*product, "RT", 2), 0.0);
  EXPECT_EQ(Evaluate("MultiplyFrames", {move, turn, Int(3), Real(4), Int(5)}).message, kWrongType);
}

TEST_F(FrameMethods, FactorThatIsNoFrameIsRefused) {
  const auto axisType = StructType(Orv::BasicType::String, {"Name"});
  Frame notAFrame;
  axisType->CreateValue(notAFrame);
  EXPECT_EQ(Evaluate("MultiplyFrames", {NewFrame(), notAFrame}).message, kWrongType);
  EXPECT_EQ(Evaluate("MultiplyFrames", {NewFrame()}).message, "Wrong argument count in command.");
}

}  // namespace
}  // namespace Velkor::OrvTessan::testing
