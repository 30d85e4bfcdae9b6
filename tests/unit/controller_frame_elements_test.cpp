// The elements of frames as the frame methods and commands read and write
// them: objects of several classes through one FrameElements, and runs of
// reals written that share one made value.
#include <cmath>

#include "controller/controller_types.h"
#include "controller/frame_access.h"
#include "controller_fixture.h"

namespace Velkor::OrvTessan::testing {

using Orv::SmartPointer;

namespace {

class FrameElementsTest : public ControllerTest {
 protected:
  Orv::IValueFactory* factory() { return context().GetValueFactory().get(); }
};

TEST_F(FrameElementsTest, TellsEachClassOfObjectApart) {
  FrameElements elements;
  const Frame frame = NewFrame();
  SetElement(*frame, "RT", 2, 30.0);
  const auto rotation = elements.Component(*frame, "RT");
  ASSERT_TRUE(rotation);
  double value = 0.0;
  ASSERT_TRUE(elements.Read(*rotation, 2, value));
  EXPECT_EQ(value, 30.0);

  // An array of frames, read with the same object: its elements are no reals.
  Object made;
  ArrayType(FrameType().get(), {2})->CreateValue(made);
  const auto frames = Orv::DynamicPointerCast<Orv::INCArray>(made);
  ASSERT_TRUE(frames);
  EXPECT_FALSE(elements.Read(*frames, 0, value));
  EXPECT_EQ(elements.ReadOr(*frames, 1, -1.0), -1.0);

  // A member that is a real, not an array, is no component; a real still reads.
  SmartPointer<Orv::INCStruct> plain;
  StructType(Orv::BasicType::Real, {"TR"})->CreateValue(plain);
  ASSERT_TRUE(plain);
  EXPECT_FALSE(elements.Component(*plain, "TR"));
  EXPECT_FALSE(elements.Component(*frame, "XX"));
  EXPECT_EQ(elements.ReadOr(*rotation, 2, 0.0), 30.0);
  EXPECT_EQ(elements.ReadOr(*rotation, -1, 7.0), 7.0);
  EXPECT_EQ(elements.ReadOr(*rotation, kFrameAxisCount, 7.0), 7.0);
}

// Elements that share one value read alike, and an element read, then
// replaced, reads as its new value through the same FrameElements.
TEST_F(FrameElementsTest, AnElementReplacedReadsAsItsNewValue) {
  const Frame frame = NewFrame();
  FrameElements elements;
  const auto scale = elements.Component(*frame, "SC");
  ASSERT_TRUE(scale);
  EXPECT_EQ(elements.ReadOr(*scale, 0, 0.0), 1.0);
  EXPECT_EQ(elements.ReadOr(*scale, 1, 0.0), 1.0);
  SetElement(*frame, "SC", 1, 2.0);
  EXPECT_EQ(elements.ReadOr(*scale, 1, 0.0), 2.0);
  EXPECT_EQ(elements.ReadOr(*scale, 2, 0.0), 1.0);

  // An element that is no real, after a real: nothing is read.
  SmartPointer<Orv::INCValue> text;
  factory()->CreateStringValue("1.0", text);
  SmartPointer<Orv::INCBasicType> textType;
  factory()->GetBasicType(Orv::BasicType::String, textType);
  SmartPointer<Orv::INCObject> texts;
  ArrayType(textType.get(), {2})->CreateValue(texts);
  auto& textArray = dynamic_cast<Orv::INCArray&>(*texts);
  const std::int32_t first = 0;
  textArray.SetElement(1, &first, text.get());
  double value = -1.0;
  EXPECT_FALSE(elements.Read(textArray, 0, value));
  EXPECT_EQ(value, -1.0);
  EXPECT_EQ(elements.ReadOr(*scale, 0, 0.0), 1.0);
  EXPECT_FALSE(elements.Read(textArray, 1, value));
}

TEST_F(FrameElementsTest, RunsOfEqualRealsLandOnEveryAxis) {
  const Frame frame = NewFrame();
  FrameElements elements(factory());
  const auto translation = elements.Component(*frame, "TR");
  ASSERT_TRUE(translation);
  const double written[] = {1.5, 1.5, -2.0, 1.5, 0.0, -0.0, -0.0, 0.0};
  for (std::int32_t axis = 0; axis < 8; ++axis) ASSERT_TRUE(elements.Write(*translation, axis, written[axis]));
  for (std::int32_t axis = 0; axis < 8; ++axis) {
    const double value = Element(*frame, "TR", axis);
    EXPECT_EQ(value, written[axis]) << "axis " << axis;
    EXPECT_EQ(std::signbit(value), std::signbit(written[axis])) << "axis " << axis;
  }
  // Each element holds a value of its own.
  SetElement(*frame, "TR", 0, 9.0);
  EXPECT_EQ(Element(*frame, "TR", 1), 1.5);
}

TEST_F(FrameElementsTest, NewFramesKeepWhatTheyAlreadyHold) {
  const Frame frame = NewFrame();
  FrameElements elements(factory(), FrameElements::Written::kNew);
  const auto scale = elements.Component(*frame, "SC");
  const auto translation = elements.Component(*frame, "TR");
  ASSERT_TRUE(scale && translation);
  EXPECT_TRUE(elements.Write(*scale, 0, 1.0));
  EXPECT_TRUE(elements.Write(*scale, 1, 0.5));
  EXPECT_TRUE(elements.Write(*translation, 0, -0.0));
  EXPECT_EQ(Element(*frame, "SC", 0), 1.0);
  EXPECT_EQ(Element(*frame, "SC", 1), 0.5);
  EXPECT_TRUE(std::signbit(Element(*frame, "TR", 0)));
  // Past the last axis there is nothing to keep, and the array refuses.
  EXPECT_FALSE(elements.Write(*scale, kFrameAxisCount, 2.0));
}

TEST_F(FrameElementsTest, WithoutAFactoryNothingIsWritten) {
  const Frame frame = NewFrame();
  FrameElements elements;
  const auto translation = elements.Component(*frame, "TR");
  ASSERT_TRUE(translation);
  EXPECT_FALSE(elements.Write(*translation, 0, 4.0));
  EXPECT_EQ(Element(*frame, "TR", 0), 0.0);
  FrameElements newFrames(nullptr, FrameElements::Written::kNew);
  EXPECT_TRUE(newFrames.Write(*translation, 0, 0.0));  // already so
  EXPECT_FALSE(newFrames.Write(*translation, 0, 4.0));
}

}  // namespace
}  // namespace Velkor::OrvTessan::testing
