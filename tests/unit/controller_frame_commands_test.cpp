// The command mapper and the four frame commands, run against the reference
// channel (axes X Y Z A B C, geometry X Y Z, transformation BASE in degrees).
#include <cmath>

#include "controller_fixture.h"
#include "orvref/update_record.h"
#include "plugin/results.h"

namespace Velkor::OrvTessan::testing {

using Orv::SmartPointer;

namespace {

constexpr const char* kWrongCount = "Wrong argument count in command.";
constexpr const char* kWrongType = "An argument has the wrong type.";
constexpr const char* kInternal = "Internal error.";

class FrameCommands : public ControllerTest {
 protected:
  Orv::Matrix TransformationMatrix(const char* name) {
    double rows[4][4];
    EXPECT_EQ(channel().GetTransformationMatrix(name, rows), Orv::ORV_SUCCESS);
    return Orv::Matrix(rows);
  }
  double Offset(const char* name, std::int32_t axis) {
    double offset = -12345.0;
    channel().GetTransformationOffset(name, axis, offset);
    return offset;
  }
};

// --- The mapper ---

TEST_F(FrameCommands, UnknownAndWrongCaseNamesAreUnknownCommands) {
  for (const char* name : {"setFrameElement", "NoSuchCommand"}) {
    const Outcome outcome = Execute(name, {});
    EXPECT_EQ(outcome.result, kUnknownCommandResult);
    EXPECT_EQ(outcome.status, 0u);
    EXPECT_EQ(outcome.message, Orv::String("Unknown command ('") + name + "') was encountered.");
  }
}

TEST_F(FrameCommands, FailureKeepsTheCommandsOwnMessage) {
  const Outcome outcome = Execute("SetFrameElement", {NewFrame(), Text("TR"), Text("Q"), Real(1.0)});
  EXPECT_EQ(outcome.result, kFailure);
  EXPECT_EQ(outcome.status, 0u);
  EXPECT_EQ(outcome.message, "There is no registered axis with the name 'Q'.");
}

TEST_F(FrameCommands, SilentFailureBecomesInternalError) {
  // Axis 36 exists in the channel but not in a frame: the store is refused
  // without a message of the command's own.
  std::vector<Orv::String> axes = {"X", "Y", "Z", "A", "B", "C"};
  for (int k = 6; k <= 36; ++k) axes.push_back(("U" + std::to_string(k)).c_str());
  channel().SetAxes(axes);
  const Outcome outcome = Execute("SetFrameElement", {NewFrame(), Text("TR"), Text("U36"), Real(1.0)});
  EXPECT_EQ(outcome.result, kFailure);
  EXPECT_EQ(outcome.status, 0u);
  EXPECT_EQ(outcome.message, kInternal);
}

TEST_F(FrameCommands, MissingAndMistypedArguments) {
  EXPECT_EQ(Execute("SetFrameElement", {NewFrame(), Text("TR"), Text("X")}).message, kWrongCount);
  EXPECT_EQ(Execute("SetFrameElement", {Real(1.0), Text("TR"), Text("X"), Real(1.0)}).message, kWrongCount);
  EXPECT_EQ(Execute("SetFrameElement", {NewFrame(), Text("TR"), Text("X"), Text("one")}).message, kWrongType);
  EXPECT_EQ(Execute("SetFrameTransformation", {Text("BASE"), Text("TR"), Text("yes"), Text("F")}).message, kWrongType);
}

// --- SetFrameElement ---

TEST_F(FrameCommands, SetFrameElementWritesOneElement) {
  const Frame frame = NewFrame();
  const Outcome outcome = Execute("SetFrameElement", {frame, Text("RT"), Text("B"), Int(30)});
  EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS);
  EXPECT_EQ(outcome.status, 1u);
  EXPECT_EQ(Element(*frame, "RT", 4), 30.0);
  SetElement(*frame, "RT", 4, 0.0);
  EXPECT_TRUE(IsDefaultFrame(*frame));
}

TEST_F(FrameCommands, SetFrameElementAcceptsOffsetsButNoUnknownComponent) {
  const Frame frame = NewFrame();
  EXPECT_EQ(Execute("SetFrameElement", {frame, Text("Offsets"), Text("Y"), Real(2.5)}).result, Orv::ORV_SUCCESS);
  EXPECT_EQ(Element(*frame, "Offsets", 1), 2.5);
  const Outcome outcome = Execute("SetFrameElement", {frame, Text("XX"), Text("Y"), Real(2.5)});
  EXPECT_EQ(outcome.result, kFailure);
  EXPECT_EQ(outcome.message, kInternal);
}

// --- SetFrameTransformation ---

TEST_F(FrameCommands, TranslationSetsTheOffsetOfEveryAxis) {
  const Frame frame = DeclareFrame("F");
  SetElement(*frame, "TR", 0, 10.0);
  SetElement(*frame, "TR", 1, 20.0);
  SetElement(*frame, "TR", 3, 5.0);
  const Outcome outcome = Execute("SetFrameTransformation", {Text("BASE"), Text("TR"), Bool(false), Text("F")});
  EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
  EXPECT_EQ(Offset("BASE", 0), 10.0);
  EXPECT_EQ(Offset("BASE", 1), 20.0);
  EXPECT_EQ(Offset("BASE", 2), 0.0);
  EXPECT_EQ(Offset("BASE", 3), 5.0);
  EXPECT_TRUE(MatricesNear(Orv::Matrix(), TransformationMatrix("BASE")));
}

TEST_F(FrameCommands, FineTranslationChangesNothing) {
  const Frame frame = DeclareFrame("F");
  SetElement(*frame, "FI", 0, 3.0);
  channel().SetTransformationOffset("BASE", 4, 7.0);
  EXPECT_EQ(Execute("SetFrameTransformation", {Text("BASE"), Text("FI"), Bool(false), Text("F")}).result,
            Orv::ORV_SUCCESS);
  EXPECT_EQ(Offset("BASE", 0), 0.0);
  EXPECT_EQ(Offset("BASE", 4), 7.0);
  EXPECT_TRUE(MatricesNear(Orv::Matrix(), TransformationMatrix("BASE")));
}

TEST_F(FrameCommands, ResetClearsTheTransformationFirst) {
  DeclareFrame("F");
  channel().SetTransformationOffset("BASE", 4, 7.0);
  EXPECT_EQ(Execute("SetFrameTransformation", {Text("BASE"), Text("FI"), Bool(true), Text("F")}).result,
            Orv::ORV_SUCCESS);
  EXPECT_EQ(Offset("BASE", 4), 0.0);
}

TEST_F(FrameCommands, MirrorScalesTheMirroredGeometryAxesByMinusOne) {
  const Frame frame = DeclareFrame("F");
  SetElement(*frame, "MI", 0, 1.0);
  SetElement(*frame, "MI", 2, 1.0);
  EXPECT_EQ(Execute("SetFrameTransformation", {Text("BASE"), Text("MI"), Bool(false), Text("F")}).result,
            Orv::ORV_SUCCESS);
  EXPECT_TRUE(MatricesNear(Affine({{-1, 0, 0}, {0, 1, 0}, {0, 0, -1}}), TransformationMatrix("BASE")));
}

TEST_F(FrameCommands, ScaleScalesEveryGeometryAxis) {
  const Frame frame = DeclareFrame("F");
  SetElement(*frame, "SC", 0, 2.0);
  SetElement(*frame, "SC", 2, 0.5);
  EXPECT_EQ(Execute("SetFrameTransformation", {Text("BASE"), Text("SC"), Bool(false), Text("F")}).result,
            Orv::ORV_SUCCESS);
  EXPECT_TRUE(MatricesNear(Affine({{2, 0, 0}, {0, 1, 0}, {0, 0, 0.5}}), TransformationMatrix("BASE")));
}

TEST_F(FrameCommands, RotationIsConvertedForARadianTransformation) {
  // A quarter turn about Z takes X to Y, whether the transformation counts
  // in degrees or in radians.
  channel().AddTransformation("RAD", true);
  const Frame frame = DeclareFrame("F");
  SetElement(*frame, "RT", 2, 90.0);
  const Orv::Matrix quarterTurn = Affine({{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}});
  for (const char* transformation : {"BASE", "RAD"}) {
    EXPECT_EQ(Execute("SetFrameTransformation", {Text(transformation), Text("RT"), Bool(false), Text("F")}).result,
              Orv::ORV_SUCCESS);
    EXPECT_TRUE(MatricesNear(quarterTurn, TransformationMatrix(transformation))) << transformation;
  }
}

TEST_F(FrameCommands, AbsentGeometryAxisIsSkipped) {
  channel().SetGeometryAxes({"X", "Y"});
  const Frame frame = DeclareFrame("F");
  SetElement(*frame, "SC", 1, 3.0);
  SetElement(*frame, "SC", 2, 5.0);
  EXPECT_EQ(Execute("SetFrameTransformation", {Text("BASE"), Text("SC"), Bool(false), Text("F")}).result,
            Orv::ORV_SUCCESS);
  EXPECT_TRUE(MatricesNear(Affine({{1, 0, 0}, {0, 3, 0}, {0, 0, 1}}), TransformationMatrix("BASE")));
}

TEST_F(FrameCommands, IndicesChooseAnElementOfAFrameArray) {
  context().scope().DeclareArray("FA", ArrayType(FrameType().get(), {2, 3}).get());
  SmartPointer<Orv::INCArray> frames;
  context().scope().GetArrayVariable("FA", frames);
  Object element;
  const std::int32_t indices[] = {1, 2};
  frames->GetElement(2, indices, element);
  SetElement(*Orv::DynamicPointerCast<Orv::INCStruct>(element), "TR", 1, 4.0);
  element.reset();
  frames.reset();

  const Outcome outcome =
      Execute("SetFrameTransformation", {Text("BASE"), Text("TR"), Bool(false), Text("FA"), Int(1), Int(2)});
  EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
  EXPECT_EQ(Offset("BASE", 1), 4.0);
}

TEST_F(FrameCommands, FrameArrayIndexMustBeAnInteger) {
  context().scope().DeclareArray("FA", ArrayType(FrameType().get(), {3}).get());
  for (const Object& index : {Real(1.0), Text("1")}) {
    const Outcome outcome =
        Execute("SetFrameTransformation", {Text("BASE"), Text("TR"), Bool(false), Text("FA"), index});
    EXPECT_EQ(outcome.result, kFailure);
    EXPECT_EQ(outcome.message, kWrongType);
  }
  const Outcome outside =
      Execute("SetFrameTransformation", {Text("BASE"), Text("TR"), Bool(false), Text("FA"), Int(3)});
  EXPECT_EQ(outside.message, kInternal);
}

TEST_F(FrameCommands, UnknownVariableOrComponent) {
  DeclareFrame("F");
  EXPECT_EQ(Execute("SetFrameTransformation", {Text("BASE"), Text("TR"), Bool(false), Text("G")}).message,
            "The variable 'G' hasn't been declared yet.");
  EXPECT_EQ(Execute("SetFrameTransformation", {Text("BASE"), Text("TR"), Bool(false), Text("G"), Int(0)}).message,
            "The variable 'G' hasn't been declared yet.");
  EXPECT_EQ(Execute("SetFrameTransformation", {Text("BASE"), Text("XX"), Bool(false), Text("F")}).message,
            "The variable 'F' has a wrong type.");
}

// --- SetFrameByTrafo ---

TEST_F(FrameCommands, FrameTakesOffsetsAndMatrixOfTheTransformation) {
  channel().SetTransformationOffset("BASE", 3, 7.5);
  channel().SetTransformationOffset("BASE", 0, 99.0);  // overwritten by the matrix
  double rows[4][4];
  Affine({{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}}, {1, 2, 3}).CopyInto(rows);
  channel().SetTransformationMatrix("BASE", rows);
  const Frame frame = NewFrame();
  SetElement(*frame, "FI", 0, 0.5);

  const Outcome outcome = Execute("SetFrameByTrafo", {frame, Text("BASE")});
  EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
  EXPECT_EQ(Element(*frame, "TR", 3), 7.5);
  EXPECT_NEAR(Element(*frame, "TR", 0), 1.0, 1e-12);
  EXPECT_NEAR(Element(*frame, "TR", 1), 2.0, 1e-12);
  EXPECT_NEAR(Element(*frame, "TR", 2), 3.0, 1e-12);
  EXPECT_EQ(Element(*frame, "FI", 0), 0.0);
  EXPECT_NEAR(Element(*frame, "RT", 2), 90.0, 1e-9);
  EXPECT_EQ(OrvReference::UpdatingCalls(*frame), (std::vector<bool>{false, true}));
}

TEST_F(FrameCommands, FrameUpdateEndsAlsoWhenTheCommandFails) {
  const Frame unknown = NewFrame();
  const Outcome outcome = Execute("SetFrameByTrafo", {unknown, Text("NOPE")});
  EXPECT_EQ(outcome.result, kFailure);
  EXPECT_EQ(outcome.message, kWrongType);
  EXPECT_EQ(OrvReference::UpdatingCalls(*unknown), (std::vector<bool>{false, true}));
  EXPECT_TRUE(IsDefaultFrame(*unknown));

  const Frame missing = NewFrame();
  EXPECT_EQ(Execute("SetFrameByTrafo", {missing}).message, kWrongCount);
  EXPECT_EQ(OrvReference::UpdatingCalls(*missing), (std::vector<bool>{false, true}));
}

// --- SetTrafoByFrame ---

TEST_F(FrameCommands, OffsetIsCoarsePlusFineUnlessFineCannotBeRead) {
  // A frame-like structure whose fine translation covers only axes 0 to 3.
  const auto reals36 = ArrayType(BasicType(Orv::BasicType::Real).get(), {36});
  const auto reals4 = ArrayType(BasicType(Orv::BasicType::Real).get(), {4});
  const Orv::StructMemberDeclaration members[] = {
      {reals36.get(), "TR"}, {reals36.get(), "RT"}, {reals36.get(), "SC"}, {reals36.get(), "MI"}, {reals4.get(), "FI"}};
  SmartPointer<Orv::INCStructType> shortType;
  context().GetStructTypeFactory()->CreateStructType(5, members, 0, shortType);
  Frame frame;
  shortType->CreateValue(frame);
  for (std::int32_t axis = 0; axis < 36; ++axis) SetElement(*frame, "SC", axis, 1.0);
  SetElement(*frame, "TR", 0, 1.0);
  SetElement(*frame, "FI", 0, 0.5);
  SetElement(*frame, "TR", 3, 5.0);
  SetElement(*frame, "FI", 3, 2.0);
  SetElement(*frame, "TR", 4, 3.0);

  const Outcome outcome = Execute("SetTrafoByFrame", {Text("BASE"), frame});
  EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
  EXPECT_EQ(Offset("BASE", 0), 1.5);
  EXPECT_EQ(Offset("BASE", 3), 7.0);
  EXPECT_EQ(Offset("BASE", 4), 3.0);
  EXPECT_TRUE(MatricesNear(Affine({{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {1.5, 0, 0}), TransformationMatrix("BASE")));
}

TEST_F(FrameCommands, TransformationTakesTheFramesMatrix) {
  const Frame frame = NewFrame();
  SetElement(*frame, "SC", 0, 2.0);
  SetElement(*frame, "RT", 2, 90.0);
  SetElement(*frame, "TR", 0, 1.0);
  EXPECT_EQ(Execute("SetTrafoByFrame", {Text("BASE"), frame}).result, Orv::ORV_SUCCESS);
  // Scaled first, then turned, then moved.
  EXPECT_TRUE(MatricesNear(Affine({{0, 2, 0}, {-1, 0, 0}, {0, 0, 1}}, {1, 0, 0}), TransformationMatrix("BASE")));
}

// The coarse translations are applied before the fine ones are looked up,
// and what was applied stays when the fine ones are missing.
TEST_F(FrameCommands, CoarseOffsetsStayWhenTheFineTranslationIsMissing) {
  const auto reals36 = ArrayType(BasicType(Orv::BasicType::Real).get(), {36});
  const Orv::StructMemberDeclaration members[] = {{reals36.get(), "TR"}, {reals36.get(), "SC"}};
  SmartPointer<Orv::INCStructType> coarseOnly;
  context().GetStructTypeFactory()->CreateStructType(2, members, 0, coarseOnly);
  Frame frame;
  coarseOnly->CreateValue(frame);
  SetElement(*frame, "TR", 1, 4.0);
  SetElement(*frame, "TR", 2, -2.5);

  const Outcome outcome = Execute("SetTrafoByFrame", {Text("BASE"), frame});
  EXPECT_EQ(outcome.result, kFailure);
  EXPECT_EQ(outcome.message, kInternal);
  EXPECT_EQ(Offset("BASE", 1), 4.0);
  EXPECT_EQ(Offset("BASE", 2), -2.5);
}

TEST_F(FrameCommands, StructureWithoutFrameComponentsIsAnInternalError) {
  const auto axisType = StructType(Orv::BasicType::String, {"Name"});
  Frame notAFrame;
  axisType->CreateValue(notAFrame);
  const Outcome outcome = Execute("SetTrafoByFrame", {Text("BASE"), notAFrame});
  EXPECT_EQ(outcome.result, kFailure);
  EXPECT_EQ(outcome.message, kInternal);
}

}  // namespace
}  // namespace Velkor::OrvTessan::testing
