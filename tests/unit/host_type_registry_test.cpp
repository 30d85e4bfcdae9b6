// The registry of named types: a name finds the type registered last under
// it, whether the registry is small enough to be scanned or has grown into a
// tree, and names of one length are told apart by their text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvref/type_registry.h"
#include "values/basic_type.h"

namespace Velkor::OrvReference {
namespace {

using Orv::SmartPointer;

class HostTypeRegistry : public ::testing::TestWithParam<int> {
 protected:
  // Registers NAME0 ... NAME<count - 1>, each a type of its own, and FRAME
  // and AXIS, of the same length as some of them.
  void RegisterTypes(int count) {
    for (int i = 0; i < count; ++i) Register(("T" + std::to_string(i)).c_str());
    Register("FRAME");
    Register("AXIS");
  }
  void Register(const char* name) {
    types_.push_back(new BasicType(Orv::BasicType::Int));
    ASSERT_EQ(registry_.RegisterType(name, types_.back().get()), Orv::ORV_SUCCESS);
  }
  Orv::INCType* Found(const char* name) {
    SmartPointer<Orv::INCType> type;
    return registry_.FindType(name, type) == Orv::ORV_SUCCESS ? type.get() : nullptr;
  }

  TypeRegistry registry_;
  std::vector<SmartPointer<Orv::INCType>> types_;
};

TEST_P(HostTypeRegistry, EachNameFindsItsOwnType) {
  const int count = GetParam();
  RegisterTypes(count);
  for (int i = 0; i < count; ++i) EXPECT_EQ(Found(("T" + std::to_string(i)).c_str()), types_[i].get()) << i;
  EXPECT_EQ(Found("FRAME"), types_[count].get());
  EXPECT_EQ(Found("AXIS"), types_[count + 1].get());
  for (const char* unknown : {"", "FRAM", "FRAMES", "AXIZ", "frame", "T99"}) EXPECT_EQ(Found(unknown), nullptr);
}

TEST_P(HostTypeRegistry, ANameRegisteredAgainFindsTheNewType) {
  RegisterTypes(GetParam());
  Register("AXIS");
  EXPECT_EQ(Found("AXIS"), types_.back().get());
  EXPECT_EQ(registry_.RegisterType("AXIS", nullptr), 1) << "no type is no registration";
  EXPECT_EQ(Found("AXIS"), types_.back().get());
}

// 0 and 3 names besides FRAME and AXIS are scanned; 20 make a tree.
INSTANTIATE_TEST_SUITE_P(SmallAndGrown, HostTypeRegistry, ::testing::Values(0, 3, 20));

}  // namespace
}  // namespace Velkor::OrvReference
