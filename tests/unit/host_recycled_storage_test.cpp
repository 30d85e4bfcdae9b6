// Recycled storage of the reference host's expression nodes and basic
// values: a released block serves the next object of its size class, and the
// runtime's failure hook still reaches every allocation.
#include <gtest/gtest.h>

#include <algorithm>
#include <new>

#include "expressions/constant_node.h"
#include "mirel/memory.h"
#include "orvref/live_objects.h"
#include "recycled_storage.h"
#include "values/basic_value.h"

namespace Velkor::OrvReference {
namespace {

using Memory::CppMemory;
using Orv::SmartPointer;

class HostRecycledStorage : public ::testing::Test {
 protected:
  void TearDown() override {
    CppMemory::FailAllocationAfter(0);
    EXPECT_EQ(LiveObjectCount(), startCount_);
  }

  const std::int64_t startCount_ = LiveObjectCount();
};

TEST_F(HostRecycledStorage, ReleasedValueServesTheNextValueAndNodeServesTheNextNode) {
  SmartPointer<BasicValue> first = BasicValue::Real(1.5);
  SmartPointer<ConstantNode> firstNode = new ConstantNode(first);
  const void* valueBlock = first.get();
  const void* nodeBlock = firstNode.get();
  firstNode.reset();
  first.reset();

  const SmartPointer<BasicValue> second = BasicValue::Int(7);
  const SmartPointer<ConstantNode> secondNode = new ConstantNode(second);
  if (RecycledStorage::KeepsReleasedBlocks()) {
    EXPECT_EQ(second.get(), valueBlock);
    EXPECT_EQ(secondNode.get(), nodeBlock);
  }
  std::int32_t number = 0;
  ASSERT_EQ(second->GetInteger(number), Orv::ORV_SUCCESS);
  EXPECT_EQ(number, 7);
  std::int32_t type = -1;
  ASSERT_EQ(secondNode->GetType(type), Orv::ORV_SUCCESS);
  EXPECT_EQ(type, Orv::BasicType::Int);
}

TEST_F(HostRecycledStorage, ArmedFailureHookFailsAnAllocationEvenWithABlockReleased) {
  BasicValue::Int(1).reset();
  CppMemory::FailAllocationAfter(1);
  EXPECT_THROW(BasicValue::Int(2), std::bad_alloc);
  EXPECT_TRUE(CppMemory::AllocationFailureReached());
  CppMemory::FailAllocationAfter(0);
  EXPECT_TRUE(BasicValue::Int(3));
}

TEST_F(HostRecycledStorage, BlocksOfEverySizeComeBackWritable) {
  for (std::size_t size : {1u, 16u, 17u, 255u, 256u, 257u, 4096u}) {
    void* block = RecycledStorage::operator new(size);
    std::fill_n(static_cast<unsigned char*>(block), size, 0xA5);
    RecycledStorage::operator delete(block, size);
    void* again = RecycledStorage::operator new(size);
    std::fill_n(static_cast<unsigned char*>(again), size, 0x5A);
    RecycledStorage::operator delete(again, size);
  }
}

}  // namespace
}  // namespace Velkor::OrvReference
