// Named arguments of an argument expression list: the first two are kept in
// the list itself, any further ones behind it; order, replacement and
// release must not depend on where an argument is kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_constants.h"
#include "orv/arguments.h"
#include "orvref/execution_context.h"
#include "orvref/live_objects.h"
#include "orvref/text_forms.h"
#include "recycled_storage.h"

namespace Velkor::OrvReference {
namespace {

using Orv::SmartPointer;

class HostArgumentList : public ::testing::Test, protected HostConstants {
 protected:
  Orv::IExecutionContext& FactoryContext() override { return context_; }

  // NAME=VALUE of every named argument, in order.
  static std::vector<std::string> Named(const Orv::ArgumentExpressionList& list) {
    std::vector<std::string> named;
    for (std::int32_t i = 0; i < list.GetMapArgumentCount(); ++i) {
      Orv::String name;
      SmartPointer<Orv::INCObjectExpression> argument;
      EXPECT_EQ(list.GetMapArgument(i, name, argument), Orv::ORV_SUCCESS);
      named.push_back(std::string(name.c_str()) + "=" + ExpressionText(argument.get()));
    }
    return named;
  }

  ExecutionContext context_;
};

TEST_F(HostArgumentList, NamedArgumentsKeepTheirOrderBeyondTheFirstTwo) {
  const SmartPointer<Orv::ArgumentExpressionList> list = new Orv::ArgumentExpressionList();
  for (std::int32_t i = 1; i <= 5; ++i) list->RegisterMapArgument(("A" + std::to_string(i)).c_str(), Int(i).get());
  EXPECT_EQ(Named(*list), (std::vector<std::string>{"A1=1", "A2=2", "A3=3", "A4=4", "A5=5"}));
}

// Registered again, a name keeps its place wherever it is kept; an absent
// argument is a null expression.
TEST_F(HostArgumentList, ANameRegisteredAgainKeepsItsPlace) {
  const SmartPointer<Orv::ArgumentExpressionList> list = new Orv::ArgumentExpressionList();
  for (const char* name : {"Value", "Flag", "Axis", "Group"}) list->RegisterMapArgument(name, Int(0).get());
  list->RegisterMapArgument("Flag", Text("AC").get());
  list->RegisterMapArgument("Group", Int(7).get());
  list->RegisterMapArgument("Value", nullptr);
  EXPECT_EQ(Named(*list), (std::vector<std::string>{"Value=_", "Flag=\"AC\"", "Axis=0", "Group=7"}));
}

TEST_F(HostArgumentList, IndexesOutsideTheNamedArgumentsFail) {
  const SmartPointer<Orv::ArgumentExpressionList> list = new Orv::ArgumentExpressionList();
  list->RegisterMapArgument("Value", Int(1).get());
  Orv::String name = "untouched";
  SmartPointer<Orv::INCObjectExpression> argument;
  EXPECT_NE(list->GetMapArgument(1, name, argument), Orv::ORV_SUCCESS);
  EXPECT_NE(list->GetMapArgument(-1, name, argument), Orv::ORV_SUCCESS);
  EXPECT_EQ(name, "untouched");
}

// A view shows the list's own name and expression, inline or behind, and
// takes no reference.
TEST_F(HostArgumentList, AViewShowsTheListsOwnArgumentsWithoutReferences) {
  const SmartPointer<Orv::ArgumentExpressionList> list = new Orv::ArgumentExpressionList();
  for (const char* name : {"Value", "Flag", "Axis"}) list->RegisterMapArgument(name, Int(5).get());
  for (std::int32_t i = 0; i < list->GetMapArgumentCount(); ++i) {
    Orv::String name;
    SmartPointer<Orv::INCObjectExpression> copied;
    list->GetMapArgument(i, name, copied);
    const Orv::String* viewedName = nullptr;
    Orv::INCObjectExpression* viewed = nullptr;
    ASSERT_EQ(list->ViewMapArgument(i, viewedName, viewed), Orv::ORV_SUCCESS);
    EXPECT_EQ(*viewedName, name);
    EXPECT_EQ(viewed, copied.get());
    EXPECT_EQ(viewed->refCount(), 2) << "the list's reference and the copy's";
  }
  const Orv::String* name = nullptr;
  Orv::INCObjectExpression* viewed = nullptr;
  EXPECT_NE(list->ViewMapArgument(3, name, viewed), Orv::ORV_SUCCESS);
  EXPECT_NE(list->ViewMapArgument(-1, name, viewed), Orv::ORV_SUCCESS);
  EXPECT_EQ(name, nullptr);
}

// Argument lists are made and dropped with every word, like the nodes they
// hold: the next list takes the storage of the last, and starts empty.
TEST_F(HostArgumentList, ADroppedListsStorageServesTheNextList) {
  const void* first = nullptr;
  {
    const SmartPointer<Orv::ArgumentExpressionList> list = new Orv::ArgumentExpressionList();
    list->RegisterMapArgument("Value", Int(1).get());
    first = list.get();
  }
  const SmartPointer<Orv::ArgumentExpressionList> next = new Orv::ArgumentExpressionList();
  if (RecycledStorage::KeepsReleasedBlocks()) {
    EXPECT_EQ(next.get(), first);
  }
  EXPECT_EQ(next->GetMapArgumentCount(), 0);
  EXPECT_EQ(next->GetArgumentListSize(), 0);
}

TEST_F(HostArgumentList, TheListReleasesEveryArgumentWhereverItIsKept) {
  const std::int64_t before = LiveObjectCount();
  {
    const SmartPointer<Orv::ArgumentExpressionList> list = new Orv::ArgumentExpressionList();
    for (std::int32_t i = 1; i <= 4; ++i) list->RegisterMapArgument(("A" + std::to_string(i)).c_str(), Int(i).get());
    list->RegisterMapArgument("A3", Int(30).get());
  }
  EXPECT_EQ(LiveObjectCount(), before);
}

}  // namespace
}  // namespace Velkor::OrvReference
