// The parser's memory of what each class of host object is gives
// dynamic_cast's answer, the first time and every later time, for the
// reference host's nodes and types and for classes of another host.
#include "parser/class_kinds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>
#include <utility>
#include <vector>

#include "orvref/execution_context.h"

namespace Velkor::OrvTessan {
namespace {

using Orv::SmartPointer;

// Another host's expression and type classes.
class ForeignNode : public Orv::INCObjectExpression {
 public:
  Orv::TResult GetType(std::int32_t&) const override { return 1; }
  Orv::TResult GetResultType(SmartPointer<Orv::INCType>&) const override { return 1; }
};

class ForeignValueNode : public Orv::INCExpression {
 public:
  Orv::TResult GetType(std::int32_t& code) const override {
    code = Orv::BasicType::Int;
    return Orv::ORV_SUCCESS;
  }
  Orv::TResult GetResultType(SmartPointer<Orv::INCType>&) const override { return 1; }
  Orv::TResult Evaluate(SmartPointer<Orv::INCValue>&) const override { return 1; }
};

class ForeignBasicType final : public Orv::INCBasicType {
 public:
  std::int32_t CompareType(const Orv::INCType*) const override { return 1; }
  std::int32_t GetTypeCode() const override { return Orv::BasicType::Int; }
};

template <class Kind, class Kinds, class Base>
void ExpectDynamicCastsAnswer(Kinds& kinds, const std::vector<SmartPointer<Base>>& objects) {
  for (const auto& object : objects) {
    EXPECT_EQ(kinds.template As<Kind>(object.get()), dynamic_cast<Kind*>(object.get())) << object.get();
  }
}

TEST(ClassKinds, ExpressionsAreWhatDynamicCastSays) {
  OrvReference::ExecutionContext context;
  context.scope().DeclareScalar("V", Orv::BasicType::Real);
  SmartPointer<Orv::INCValue> one;
  context.GetValueFactory()->CreateIntValue(1, one);
  std::vector<SmartPointer<Orv::INCObjectExpression>> nodes(4);
  context.GetExpressionFactory()->CreateConstantExpression(one.get(), nodes[0]);
  context.GetExpressionFactory()->CreateVariableExpression("V", nodes[1]);
  context.GetMethodCallFactory()->CreateStructVariableExpression("F", nodes[2]);
  context.GetLValueFactory()->CreateArrayExpression("$R", nodes[3]);
  nodes.push_back(new ForeignNode());
  nodes.push_back(new ForeignValueNode());
  nodes.push_back(nullptr);

  ExpressionKinds kinds;
  for (int pass = 0; pass < 3; ++pass) {
    ExpectDynamicCastsAnswer<Orv::INCExpression>(kinds, nodes);
    ExpectDynamicCastsAnswer<Orv::INCLValue>(kinds, nodes);
    ExpectDynamicCastsAnswer<Orv::INCStructExpression>(kinds, nodes);
    if (pass == 1) kinds.Clear();
  }
}

// Classes of which every third has a basic result: more classes than the
// recent table has slots (well over its 64), so that some share one and push
// each other out.
template <int Number>
class NumberedNode final : public std::conditional_t<Number % 3 == 0, ForeignValueNode, ForeignNode> {};

template <int... Numbers>
std::vector<SmartPointer<Orv::INCObjectExpression>> NumberedNodes(std::integer_sequence<int, Numbers...>) {
  return {SmartPointer<Orv::INCObjectExpression>(new NumberedNode<Numbers>())...};
}

TEST(ClassKinds, ManyClassesSharingSlotsKeepTheirOwnAnswers) {
  std::vector<SmartPointer<Orv::INCObjectExpression>> nodes = NumberedNodes(std::make_integer_sequence<int, 160>());
  ExpressionKinds kinds;
  for (int pass = 0; pass < 3; ++pass) {
    ExpectDynamicCastsAnswer<Orv::INCExpression>(kinds, nodes);
    // Backwards as well, so that each class meets its slot held by another.
    std::reverse(nodes.begin(), nodes.end());
  }
}

TEST(ClassKinds, TypesAreWhatDynamicCastSays) {
  OrvReference::ExecutionContext context;
  SmartPointer<Orv::INCBasicType> real;
  context.GetValueFactory()->GetBasicType(Orv::BasicType::Real, real);
  const std::int32_t size = 3;
  SmartPointer<Orv::INCArrayType> array;
  context.GetArrayTypeFactory()->CreateArrayType(real.get(), 1, &size, false, true, array);
  const Orv::StructMemberDeclaration member{real.get(), "X"};
  SmartPointer<Orv::INCStructType> structure;
  context.GetStructTypeFactory()->CreateStructType(1, &member, 0, structure);
  const std::vector<SmartPointer<Orv::INCType>> types = {real, array, structure, new ForeignBasicType(), nullptr};

  TypeKinds kinds;
  for (int pass = 0; pass < 2; ++pass) {
    ExpectDynamicCastsAnswer<Orv::INCBasicType>(kinds, types);
    ExpectDynamicCastsAnswer<Orv::INCArrayType>(kinds, types);
  }
}

}  // namespace
}  // namespace Velkor::OrvTessan
