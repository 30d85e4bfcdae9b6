// Blocks and expressions a host may be handed by anything: NUL bytes, real
// literals beyond a double, deep nesting while the host runs out of storage.
// Whatever comes, the parser reports a failure with a message, releases every
// host object it took, and parses the next block as usual.
#include <gtest/gtest.h>

#include "front_end_parsing.h"
#include "orvref/live_objects.h"
#include "plugin/results.h"

namespace Velkor::OrvTessan {
namespace {

using Memory::CppMemory;
using Orv::SmartPointer;

class HostileInput : public FrontEndParsing {
 protected:
  void TearDown() override { CppMemory::FailAllocationAfter(0); }

  std::string Refusal() const { return std::to_string(kind_) + ' ' + message_.c_str(); }

  // Fails the 1st, 2nd, ... allocation of `parse` in turn until it runs
  // without meeting the failure. Each failure must be reported with a
  // message, and the same parse run again must succeed and leave as many
  // host objects alive as before.
  template <class Parse>
  void FailEachAllocation(Parse parse) {
    ASSERT_EQ(parse(), kSuccess) << "before any failure";
    const std::int64_t baseline = OrvReference::LiveObjectCount();
    for (std::size_t failing = 1;; ++failing) {
      CppMemory::FailAllocationAfter(failing);
      const Orv::TResult result = parse();
      const bool reached = CppMemory::AllocationFailureReached();
      CppMemory::FailAllocationAfter(0);
      if (!reached) {
        EXPECT_EQ(result, kSuccess);
        break;
      }
      EXPECT_NE(result, kSuccess) << "allocation " << failing;
      EXPECT_FALSE(message_.empty()) << "allocation " << failing;
      EXPECT_EQ(parse(), kSuccess) << "after allocation " << failing;
      EXPECT_EQ(OrvReference::LiveObjectCount(), baseline) << "allocation " << failing;
      ASSERT_LT(failing, 10000u);
    }
  }
};

TEST_F(HostileInput, NulByteRefusesTheBlockWhereItStands) {
  EXPECT_EQ(ParseBlock(std::string("G1\0X10", 6)), kFailure);
  EXPECT_EQ(Refusal(), "0 Parse error after reading 'G1'.");
  EXPECT_EQ(ParseBlock(std::string("R1=\"A\0B\"", 8)), kFailure);
  EXPECT_EQ(Refusal(), "0 Parse error after reading 'R1=\"A'.");
  EXPECT_EQ(ParseBlock(std::string("G1 ;A\0B", 7)), kFailure);
  SmartPointer<Orv::INCExpression> result;
  EXPECT_EQ(ParseExpression(std::string("1\0+2", 4), result), kFailure);
  EXPECT_EQ(Refusal(), "0 Parse error after reading '1'.");
  EXPECT_FALSE(result);
  EXPECT_EQ(ParseBlock("G1 X10"), kSuccess);
}

TEST_F(HostileInput, RealLiteralBeyondADoubleIsInfiniteAndBelowItZero) {
  const std::string huge(309, '9');
  ASSERT_EQ(ParseBlock("R1=" + huge + ".5"), kSuccess);
  EXPECT_EQ(recorder_.Trace(), "ASSIGN (elem (array $R) 1) inf\n");
  ASSERT_EQ(ParseBlock("R2=-" + huge + ".0"), kSuccess);
  EXPECT_EQ(recorder_.Trace(), "ASSIGN (elem (array $R) 2) (neg inf)\n");
  ASSERT_EQ(ParseBlock("X" + huge + ".0"), kSuccess);
  EXPECT_EQ(recorder_.Trace(), "COMMAND X 1 [] {Value=inf, Flag=\"\"}\n");
  ASSERT_EQ(ParseBlock("R3=0." + std::string(400, '0') + "1"), kSuccess);
  EXPECT_EQ(recorder_.Trace(), "ASSIGN (elem (array $R) 3) 0.0\n");
}

TEST_F(HostileInput, AxisExpressionReportsAFailedAllocationOfItsName) {
  FailEachAllocation([this] {
    SmartPointer<Orv::INCExpression> result;
    return ParseExpression("S", result);
  });
}

// Beyond 200 levels the generated parser moves its stack to the heap.
TEST_F(HostileInput, DeepNestingReleasesTheParserStackWhenAnAllocationFails) {
  const std::string nested = std::string(193, '(') + "1" + std::string(193, ')');
  FailEachAllocation([&] { return ParseBlock("R1=" + nested); });
  FailEachAllocation([&] {
    SmartPointer<Orv::INCExpression> result;
    return ParseExpression(nested, result);
  });
}

// A parse that a failed allocation interrupts lets go of what its block held
// (the shared empty modifier of its words, a CASE selector) at once, not
// when the next block starts.
TEST_F(HostileInput, FailedAllocationReleasesTheBlockStateAtOnce) {
  for (const char* block : {"X10 Y20", "CASE R1 OF 1 GOTOF LA DEFAULT GOTOF LC"}) {
    ASSERT_EQ(ParseBlock(block), kSuccess) << block;
    const std::int64_t baseline = OrvReference::LiveObjectCount();
    for (std::size_t failing = 1;; ++failing) {
      CppMemory::FailAllocationAfter(failing);
      ParseBlock(block);
      const bool reached = CppMemory::AllocationFailureReached();
      CppMemory::FailAllocationAfter(0);
      if (!reached) break;
      EXPECT_LE(OrvReference::LiveObjectCount(), baseline) << block << ", allocation " << failing;
    }
  }
}

}  // namespace
}  // namespace Velkor::OrvTessan
