// The channel: axes, named transformations with offsets and a matrix,
// subprogram declarations and the record of undeclared subprograms; and the
// channel put back as it was set up, for the next program.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <utility>

#include "orvref/channel.h"
#include "orvref/execution_context.h"
#include "orvref/parse_context.h"

namespace Velkor::OrvReference {
namespace {

class HostChannel : public ::testing::Test {
 protected:
  Orv::Matrix MatrixOf(const char* name) {
    double elements[4][4];
    EXPECT_EQ(channel_.GetTransformationMatrix(name, elements), Orv::ORV_SUCCESS);
    return Orv::Matrix(elements);
  }

  ExecutionContext context_;
  Channel& channel_ = context_.channel();
};

TEST_F(HostChannel, DefaultAxesAndSettings) {
  std::int32_t index = -1;
  ASSERT_EQ(channel_.GetAxisIndex("C", index), Orv::ORV_SUCCESS);
  EXPECT_EQ(index, 5);
  EXPECT_NE(channel_.GetAxisIndex("x", index), Orv::ORV_SUCCESS);
  EXPECT_EQ(channel_.GetGeometryAxisName3(), "Z");
  EXPECT_EQ(channel_.GetRotationSequence(), 0);
  EXPECT_EQ(channel_.GetRadiusTolerance(), 0.001);
  EXPECT_EQ(channel_.GetExecutionContext(), &context_);
  EXPECT_EQ(channel_.GetProgramStore()->GetProgramCount(channel_.GetProgramKey()), 0);

  channel_.SetGeometryAxes({"X", "Y"});
  EXPECT_EQ(channel_.GetGeometryAxisName3(), "");
}

TEST_F(HostChannel, OffsetsExistForTheChannelsAxesOfKnownTransformations) {
  EXPECT_EQ(channel_.SetTransformationOffset("BASE", 5, 2.5), Orv::ORV_SUCCESS);
  double offset = 0.0;
  ASSERT_EQ(channel_.GetTransformationOffset("BASE", 5, offset), Orv::ORV_SUCCESS);
  EXPECT_EQ(offset, 2.5);
  EXPECT_NE(channel_.SetTransformationOffset("BASE", 6, 1.0), Orv::ORV_SUCCESS);
  EXPECT_NE(channel_.GetTransformationOffset("BASE", -1, offset), Orv::ORV_SUCCESS);
  EXPECT_NE(channel_.GetTransformationOffset("OTHER", 0, offset), Orv::ORV_SUCCESS);

  channel_.SetAxes({"X", "Y", "Z", "A", "B", "C", "U"});
  EXPECT_EQ(channel_.SetTransformationOffset("BASE", 6, 1.0), Orv::ORV_SUCCESS);
  channel_.GetTransformationOffset("BASE", 5, offset);
  EXPECT_EQ(offset, 2.5);
  ASSERT_EQ(channel_.ResetTransformation("BASE", true), Orv::ORV_SUCCESS);
  channel_.GetTransformationOffset("BASE", 5, offset);
  EXPECT_EQ(offset, 0.0);
}

// Names alike in length and first letter, or in all but case, are
// different transformations.
TEST_F(HostChannel, EachTransformationIsFoundByItsWholeName) {
  channel_.AddTransformation("BASE2", false);
  channel_.AddTransformation("BASE3", false);
  channel_.AddTransformation("", false);
  ASSERT_EQ(channel_.SetTransformationOffset("BASE2", 0, 2.0), Orv::ORV_SUCCESS);
  ASSERT_EQ(channel_.SetTransformationOffset("BASE3", 0, 3.0), Orv::ORV_SUCCESS);
  ASSERT_EQ(channel_.SetTransformationOffset("", 0, 4.0), Orv::ORV_SUCCESS);
  double offset = 0.0;
  for (const auto& [name, expected] : {std::pair{"BASE", 0.0}, {"BASE2", 2.0}, {"BASE3", 3.0}, {"", 4.0}}) {
    ASSERT_EQ(channel_.GetTransformationOffset(name, 0, offset), Orv::ORV_SUCCESS) << name;
    EXPECT_EQ(offset, expected) << name;
  }
  EXPECT_NE(channel_.GetTransformationOffset("BASE4", 0, offset), Orv::ORV_SUCCESS);
  EXPECT_NE(channel_.GetTransformationOffset("base2", 0, offset), Orv::ORV_SUCCESS);
  EXPECT_NE(channel_.GetTransformationOffset("BAS", 0, offset), Orv::ORV_SUCCESS);
}

TEST_F(HostChannel, RotationsAndScalesMultiplyFromTheRightInTheTransformationsUnit) {
  ASSERT_EQ(channel_.ScaleTransformation("BASE", "Y", 2.0), Orv::ORV_SUCCESS);
  ASSERT_EQ(channel_.RotateTransformation("BASE", "Z", 90.0), Orv::ORV_SUCCESS);
  Orv::Matrix expected;
  expected.Scale({1, 2, 1});
  expected.RotZ(std::numbers::pi / 2);
  const Orv::Matrix base = MatrixOf("BASE");
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) EXPECT_NEAR(base(row, column), expected(row, column), 1e-15);
  }
  EXPECT_NE(channel_.RotateTransformation("BASE", "A", 10.0), Orv::ORV_SUCCESS);
  EXPECT_NE(channel_.ScaleTransformation("OTHER", "X", 2.0), Orv::ORV_SUCCESS);

  channel_.AddTransformation("TURN", true);
  EXPECT_EQ(channel_.TransformationUsesRadians("TURN"), 1);
  EXPECT_EQ(channel_.TransformationUsesRadians("BASE"), 0);
  channel_.RotateTransformation("TURN", "X", std::numbers::pi);
  EXPECT_NEAR(MatrixOf("TURN")(1, 1), -1.0, 1e-15);

  ASSERT_EQ(channel_.ResetTransformation("BASE", false), Orv::ORV_SUCCESS);
  EXPECT_EQ(MatrixOf("BASE")(1, 1), 1.0);
}

TEST_F(HostChannel, SubprogramDeclarationsKeepTheirParameterModes) {
  EXPECT_NE(channel_.AddParameterMode("SUB1", 1), Orv::ORV_SUCCESS);
  channel_.DeclareSubprogram("SUB1");
  channel_.AddParameterMode("SUB1", 1);
  channel_.AddParameterMode("SUB1", 2);
  std::int32_t mode = 0;
  ASSERT_EQ(channel_.GetParameterMode("SUB1", 1, mode), Orv::ORV_SUCCESS);
  EXPECT_EQ(mode, 2);
  EXPECT_NE(channel_.GetParameterMode("SUB1", 2, mode), Orv::ORV_SUCCESS);
  EXPECT_EQ(channel_.IsSubprogramUndeclared("SUB1"), 0);

  channel_.DeclareSubprogram("SUB1");
  EXPECT_NE(channel_.GetParameterMode("SUB1", 0, mode), Orv::ORV_SUCCESS);
}

TEST_F(HostChannel, UndeclaredSubprogramsAreRecordedUntilTheNextBlock) {
  RecordingParseContext recorder(context_);
  EXPECT_NE(channel_.IsSubprogramUndeclared("SUB2"), 0);
  EXPECT_NE(channel_.IsSubprogramUndeclared("sub2"), 0);
  EXPECT_EQ(channel_.undeclaredSubprogramQueries(), (std::vector<Orv::String>{"SUB2", "sub2"}));
  recorder.BeginBlock();
  EXPECT_TRUE(channel_.undeclaredSubprogramQueries().empty());
}

TEST_F(HostChannel, ResetToSetupPutsBackWhatAProgramChanged) {
  channel_.AddTransformation("TURN", true);
  channel_.DeclareSubprogram("SETUP");
  std::FILE* program = std::tmpfile();
  ASSERT_NE(program, nullptr);
  ASSERT_TRUE(channel_.programs().AddStream(program, "setup"));
  channel_.KeepAsSetup();

  channel_.RotateTransformation("TURN", "Z", 1.0);
  channel_.SetTransformationOffset("TURN", 2, 5.0);
  channel_.AddParameterMode("SETUP", 1);
  channel_.DeclareSubprogram("LATER");
  channel_.SetChannelSwitchA(true);
  channel_.IsSubprogramUndeclared("NONE");
  ASSERT_TRUE(channel_.programs().AddStream(program, "later"));
  const std::uint64_t declarations = channel_.subprogramDeclarationCount();

  channel_.ResetToSetup();
  EXPECT_EQ(MatrixOf("TURN")(0, 1), 0.0);
  double offset = -1.0;
  ASSERT_EQ(channel_.GetTransformationOffset("TURN", 2, offset), Orv::ORV_SUCCESS);
  EXPECT_EQ(offset, 0.0);
  std::int32_t mode = 0;
  EXPECT_NE(channel_.GetParameterMode("SETUP", 0, mode), Orv::ORV_SUCCESS);
  EXPECT_TRUE(channel_.HasSubprogramDeclaration("SETUP"));
  EXPECT_FALSE(channel_.HasSubprogramDeclaration("LATER"));
  // A parse of a call that read the declarations must not be taken again.
  EXPECT_GT(channel_.subprogramDeclarationCount(), declarations);
  EXPECT_EQ(channel_.channelSwitchA(), std::nullopt);
  EXPECT_TRUE(channel_.undeclaredSubprogramQueries().empty());
  EXPECT_EQ(channel_.GetProgramStore()->GetProgramCount(channel_.GetProgramKey()), 1);
  EXPECT_TRUE(channel_.programs().HasProgramNamed("setup"));
  std::fclose(program);
}

}  // namespace
}  // namespace Velkor::OrvReference
