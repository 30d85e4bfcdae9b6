// The plug-in's entry points: argument checks, allocation failures, and the
// macro table's life across parser objects.
#include <gtest/gtest.h>

#include "orv/base.h"
#include "orv/plugin.h"
#include "parser/parse_state.h"
#include "plugin/results.h"

extern "C" Velkor::Orv::TResult CreateMachineObjects(Velkor::Orv::IProgramParser**, Velkor::Orv::ICommandMapper**,
                                                     Velkor::Orv::IMethodMapper**);
extern "C" Velkor::Orv::TResult CreateChannelObjects(Velkor::Orv::IControllerState**);

namespace Velkor::OrvTessan {
namespace {

using Memory::CppMemory;

// The machine objects of one CreateMachineObjects call, deleted as the host
// deletes them.
struct MachineObjects {
  Orv::IProgramParser* parser = nullptr;
  Orv::ICommandMapper* commands = nullptr;
  Orv::IMethodMapper* methods = nullptr;

  Orv::TResult Create() { return CreateMachineObjects(&parser, &commands, &methods); }
  ~MachineObjects() {
    delete parser;
    delete commands;
    delete methods;
  }
};

auto* const kUntouched = reinterpret_cast<Orv::IProgramParser*>(0x1);

TEST(CreateMachineObjects, AnyNullOutParameterFailsAndWritesNothing) {
  Orv::IProgramParser* parser = kUntouched;
  auto* commands = reinterpret_cast<Orv::ICommandMapper*>(0x2);
  auto* methods = reinterpret_cast<Orv::IMethodMapper*>(0x3);
  EXPECT_EQ(CreateMachineObjects(nullptr, &commands, &methods), kFailure);
  EXPECT_EQ(CreateMachineObjects(&parser, nullptr, &methods), kFailure);
  EXPECT_EQ(CreateMachineObjects(&parser, &commands, nullptr), kFailure);
  EXPECT_EQ(parser, kUntouched);
  EXPECT_EQ(commands, reinterpret_cast<Orv::ICommandMapper*>(0x2));
  EXPECT_EQ(methods, reinterpret_cast<Orv::IMethodMapper*>(0x3));
}

TEST(CreateMachineObjects, CreatesAllThreeObjects) {
  MachineObjects objects;
  EXPECT_EQ(objects.Create(), kSuccess);
  EXPECT_NE(objects.parser, nullptr);
  EXPECT_NE(objects.commands, nullptr);
  EXPECT_NE(objects.methods, nullptr);
}

// The three objects are allocated in order: parser, command mapper, method
// mapper. A failed allocation leaves only its own out-parameter null.
class FailedAllocation : public testing::TestWithParam<int> {
 protected:
  void TearDown() override { CppMemory::FailAllocationAfter(0); }
};

TEST_P(FailedAllocation, DeliversTheOtherObjectsAndReportsTheOneNotCreated) {
  MachineObjects objects;
  CppMemory::FailAllocationAfter(static_cast<std::size_t>(GetParam()));
  EXPECT_EQ(objects.Create(), kNotCreated);
  CppMemory::FailAllocationAfter(0);
  EXPECT_EQ(objects.parser == nullptr, GetParam() == 1);
  EXPECT_EQ(objects.commands == nullptr, GetParam() == 2);
  EXPECT_EQ(objects.methods == nullptr, GetParam() == 3);
}

INSTANTIATE_TEST_SUITE_P(EachObject, FailedAllocation, testing::Values(1, 2, 3));

TEST(CreateChannelObjects, NullOutParameterFails) {
  EXPECT_EQ(CreateChannelObjects(nullptr), kFailure);
}

TEST(CreateChannelObjects, CreatesAControllerStateOrReportsTheFailedAllocation) {
  Orv::IControllerState* state = nullptr;
  EXPECT_EQ(CreateChannelObjects(&state), kSuccess);
  ASSERT_NE(state, nullptr);
  delete state;

  CppMemory::FailAllocationAfter(1);
  EXPECT_EQ(CreateChannelObjects(&state), kNotCreated);
  CppMemory::FailAllocationAfter(0);
  EXPECT_EQ(state, nullptr);
}

TEST(MacroTable, SurvivesItsParserAndIsEmptiedByTheNextOne) {
  MacroTable& macros = ParseState::Global().macros;
  {
    MachineObjects objects;
    ASSERT_EQ(objects.Create(), 0);
    macros.emplace("M17", "M3 M8");
  }
  EXPECT_EQ(macros.count("M17"), 1u);
  MachineObjects next;
  ASSERT_EQ(next.Create(), 0);
  EXPECT_TRUE(macros.empty());
}

}  // namespace
}  // namespace Velkor::OrvTessan
