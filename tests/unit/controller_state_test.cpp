// The controller state: the types and switches Initialize leaves in a
// channel, its refusals, and Duplicate.
#include "controller/controller_state.h"

#include <gtest/gtest.h>

#include <memory>

#include "controller_fixture.h"
#include "orvref/live_objects.h"
#include "plugin/results.h"

namespace Velkor::OrvTessan::testing {

using Orv::SmartPointer;

namespace {

using InitializedChannel = ControllerTest;

TEST_F(InitializedChannel, FrameHasSixComponentsOfThirtySixReals) {
  const auto frameType = FrameType();
  ASSERT_TRUE(frameType);
  ASSERT_EQ(frameType->GetMemberCount(), 6);
  const char* const expected[] = {"TR", "RT", "SC", "MI", "FI", "Offsets"};
  for (std::int32_t index = 0; index < 6; ++index) {
    Orv::String name;
    SmartPointer<Orv::INCType> type;
    EXPECT_EQ(frameType->GetMemberName(index, name), Orv::ORV_SUCCESS);
    EXPECT_EQ(name, expected[index]);
    ASSERT_EQ(frameType->GetMemberType(index, type), Orv::ORV_SUCCESS);
    const auto arrayType = Orv::DynamicPointerCast<Orv::INCArrayType>(type);
    ASSERT_TRUE(arrayType) << name;
    EXPECT_EQ(arrayType->GetDimensionCount(), 1);
    EXPECT_EQ(arrayType->GetDimensionSize(0), 36);
    SmartPointer<Orv::INCType> elementType;
    arrayType->GetElementType(elementType);
    EXPECT_EQ(elementType->CompareType(BasicType(Orv::BasicType::Real).get()), 0);
  }
}

TEST_F(InitializedChannel, NewFramesAreNeutral) {
  const Frame frame = NewFrame();
  ASSERT_TRUE(frame);
  EXPECT_TRUE(IsDefaultFrame(*frame));
}

TEST_F(InitializedChannel, AxisHasOnlyItsName) {
  SmartPointer<Orv::INCType> type;
  ASSERT_EQ(context().GetTypeRegistry()->FindType("AXIS", type), Orv::ORV_SUCCESS);
  const auto axisType = Orv::DynamicPointerCast<Orv::INCStructType>(type);
  ASSERT_TRUE(axisType);
  ASSERT_EQ(axisType->GetMemberCount(), 1);
  Orv::String name;
  SmartPointer<Orv::INCType> memberType;
  axisType->GetMemberName(0, name);
  axisType->GetMemberType(0, memberType);
  EXPECT_EQ(name, "Name");
  EXPECT_EQ(memberType->CompareType(BasicType(Orv::BasicType::String).get()), 0);
}

TEST_F(InitializedChannel, ChannelSwitchesOnScopeSwitchesOff) {
  EXPECT_EQ(channel().channelSwitchA(), true);
  EXPECT_EQ(channel().channelSwitchB(), true);
  EXPECT_EQ(context().scope().scopeSwitchA(), false);
  EXPECT_EQ(context().scope().scopeSwitchB(), false);
  EXPECT_EQ(context().scope().scopeSwitchC(), false);
}

// Delegates to a reference context but has no variable scope.
class ScopelessContext final : public Orv::IExecutionContext {
 public:
  explicit ScopelessContext(Orv::IExecutionContext& inner) : inner_(inner) {}
  Orv::ITypeRegistry* GetTypeRegistry() override { return inner_.GetTypeRegistry(); }
  Orv::IVariableScope* GetVariableScope() override { return nullptr; }
  Orv::IChannel* GetChannel() override { return inner_.GetChannel(); }
  SmartPointer<Orv::IValueFactory> GetValueFactory() override { return inner_.GetValueFactory(); }
  SmartPointer<Orv::IExpressionFactory> GetExpressionFactory() override { return inner_.GetExpressionFactory(); }
  SmartPointer<Orv::IArrayTypeFactory> GetArrayTypeFactory() override { return inner_.GetArrayTypeFactory(); }
  SmartPointer<Orv::ILValueFactory> GetLValueFactory() override { return inner_.GetLValueFactory(); }
  SmartPointer<Orv::IStructTypeFactory> GetStructTypeFactory() override { return inner_.GetStructTypeFactory(); }
  SmartPointer<Orv::IMethodCallFactory> GetMethodCallFactory() override { return inner_.GetMethodCallFactory(); }
  bool IsDefined(const Orv::String& name) override { return inner_.IsDefined(name); }
  Orv::TResult GetNameType(const Orv::String& name, SmartPointer<Orv::INCType>& type) override {
    return inner_.GetNameType(name, type);
  }

 private:
  Orv::IExecutionContext& inner_;
};

// A channel that belongs to no execution context and records its switches.
class DetachedChannel final : public Orv::IChannel {
 public:
  Orv::IExecutionContext* GetExecutionContext() override { return nullptr; }
  Orv::String GetProgramKey() const override { return {}; }
  Orv::IProgramStore* GetProgramStore() override { return nullptr; }
  Orv::TResult DeclareSubprogram(const Orv::String&) override { return 1; }
  Orv::TResult AddParameterMode(const Orv::String&, std::int32_t) override { return 1; }
  Orv::TResult GetParameterMode(const Orv::String&, std::int32_t, std::int32_t&) const override { return 1; }
  std::int32_t IsSubprogramUndeclared(const Orv::String&) const override { return 1; }
  Orv::TResult GetAxisIndex(const Orv::String&, std::int32_t&) const override { return 1; }
  Orv::String GetGeometryAxisName1() const override { return {}; }
  Orv::String GetGeometryAxisName2() const override { return {}; }
  Orv::String GetGeometryAxisName3() const override { return {}; }
  std::int32_t GetRotationSequence() const override { return 0; }
  double GetRadiusTolerance() const override { return 0.0; }
  Orv::TResult ResetTransformation(const Orv::String&, bool) override { return 1; }
  Orv::TResult ScaleTransformation(const Orv::String&, const Orv::String&, double) override { return 1; }
  Orv::TResult RotateTransformation(const Orv::String&, const Orv::String&, double) override { return 1; }
  Orv::TResult SetTransformationOffset(const Orv::String&, std::int32_t, double) override { return 1; }
  Orv::TResult GetTransformationOffset(const Orv::String&, std::int32_t, double&) const override { return 1; }
  Orv::TResult SetTransformationMatrix(const Orv::String&, const double (&)[4][4]) override { return 1; }
  Orv::TResult GetTransformationMatrix(const Orv::String&, double (&)[4][4]) const override { return 1; }
  std::int32_t TransformationUsesRadians(const Orv::String&) const override { return 0; }
  void SetChannelSwitchA(bool) override { switched = true; }
  void SetChannelSwitchB(bool) override { switched = true; }

  bool switched = false;
};

TEST(ControllerStateRefusal, ChannelWithoutExecutionContextIsRefused) {
  DetachedChannel channel;
  ControllerState state;
  EXPECT_EQ(state.Initialize(&channel), kFailure);
  EXPECT_FALSE(channel.switched);
}

TEST(ControllerStateRefusal, ContextWithoutVariableScopeIsRefusedAndNothingChanges) {
  const std::int64_t startCount = OrvReference::LiveObjectCount();
  {
    OrvReference::ExecutionContext inner;
    ScopelessContext scopeless(inner);
    OrvReference::Channel channel(scopeless);
    ControllerState state;
    EXPECT_EQ(state.Initialize(&channel), kFailure);
    EXPECT_FALSE(channel.channelSwitchA().has_value());
    SmartPointer<Orv::INCType> frameType;
    EXPECT_NE(inner.GetTypeRegistry()->FindType("FRAME", frameType), Orv::ORV_SUCCESS);
  }
  EXPECT_EQ(OrvReference::LiveObjectCount(), startCount);
}

TEST(ControllerStateDuplicate, CopyLivesOnAfterTheOriginalIsGone) {
  auto original = std::make_unique<ControllerState>();
  std::unique_ptr<Orv::IControllerState> copy(original->Duplicate());
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy.get(), original.get());
  original.reset();

  OrvReference::ExecutionContext context;
  EXPECT_EQ(copy->Initialize(&context.channel()), Orv::ORV_SUCCESS);
  SmartPointer<Orv::INCType> frameType;
  EXPECT_EQ(context.GetTypeRegistry()->FindType("FRAME", frameType), Orv::ORV_SUCCESS);
}

}  // namespace
}  // namespace Velkor::OrvTessan::testing
