// AssignArray and AssignString.
#include "controller_fixture.h"
#include "plugin/results.h"

namespace Velkor::OrvTessan::testing {

using Orv::SmartPointer;

namespace {

constexpr const char* kWrongType = "An argument has the wrong type.";

class AssignCommands : public ControllerTest {
 protected:
  SmartPointer<Orv::INCArray> RealArray(std::vector<std::int32_t> sizes) {
    Object array;
    ArrayType(BasicType(Orv::BasicType::Real).get(), std::move(sizes))->CreateValue(array);
    return Orv::DynamicPointerCast<Orv::INCArray>(array);
  }
  // Every element of a one-dimensional array.
  std::vector<double> Elements(Orv::INCArray& array, std::int32_t size) {
    std::vector<double> values;
    for (std::int32_t index = 0; index < size; ++index) values.push_back(At(array, {index}));
    return values;
  }
  double At(Orv::INCArray& array, std::vector<std::int32_t> indices) {
    Object element;
    double value = -12345.0;
    if (array.GetElement(static_cast<std::int32_t>(indices.size()), indices.data(), element) == Orv::ORV_SUCCESS) {
      Orv::DynamicPointerCast<Orv::INCValue>(element)->GetReal(value);
    }
    return value;
  }
  // A reference to the text variable S holding `text`.
  Object TextVariable(const char* text) {
    context().scope().DeclareScalar("S", Orv::DynamicPointerCast<Orv::INCValue>(Text(text)).get());
    SmartPointer<Orv::INCLValue> variable;
    context().scope().GetScalarVariable("S", variable);
    SmartPointer<Orv::INCValue> reference;
    context().GetValueFactory()->CreateReferenceValue(variable.get(), reference);
    return reference;
  }
  Orv::String VariableText() {
    Orv::String text;
    Orv::DynamicPointerCast<Orv::INCValue>(context().scope().Find("S")->value)->GetString(text);
    return text;
  }
};

// --- AssignArray ---

TEST_F(AssignCommands, RepeatModeFillsToTheEnd) {
  const auto array = RealArray({10});
  const Outcome outcome = Execute("AssignArray", {array, Int(3), nullptr, Bool(false), Real(7.5)});
  EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
  EXPECT_EQ(Elements(*array, 10), (std::vector<double>{0, 0, 0, 7.5, 7.5, 7.5, 7.5, 7.5, 7.5, 7.5}));
}

TEST_F(AssignCommands, RepeatModeFromTheEndStoresNothing) {
  const auto array = RealArray({10});
  EXPECT_EQ(Execute("AssignArray", {array, Int(10), nullptr, Bool(false), Real(7.5)}).result, Orv::ORV_SUCCESS);
  EXPECT_EQ(Elements(*array, 10), std::vector<double>(10, 0.0));
}

TEST_F(AssignCommands, ListThatDoesNotFitFailsAfterStoringWhatFits) {
  const auto array = RealArray({3});
  const Outcome outcome = Execute("AssignArray", {array, Int(1), nullptr, Bool(true), Real(1), Real(2), Real(3)});
  EXPECT_EQ(outcome.result, kFailure);
  EXPECT_EQ(outcome.status, 0u);
  EXPECT_EQ(outcome.message, "Array bounds exceeded.");
  EXPECT_EQ(Elements(*array, 3), (std::vector<double>{0, 1, 2}));
}

TEST_F(AssignCommands, TwoDimensionsAreFilledRowByRow) {
  const auto array = RealArray({2, 3});
  const Outcome outcome =
      Execute("AssignArray", {array, Int(0), Int(1), Bool(true), Real(1), Real(2), Real(3), Real(4), Real(5)});
  EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
  EXPECT_EQ(At(*array, {0, 0}), 0.0);
  EXPECT_EQ(At(*array, {0, 1}), 1.0);
  EXPECT_EQ(At(*array, {0, 2}), 2.0);
  EXPECT_EQ(At(*array, {1, 0}), 3.0);
  EXPECT_EQ(At(*array, {1, 1}), 4.0);
  EXPECT_EQ(At(*array, {1, 2}), 5.0);
}

TEST_F(AssignCommands, OmittedValueStandsForTheElementDefault) {
  const auto array = RealArray({3});
  const std::int32_t last = 2;
  array->SetElement(1, &last, Real(9.0).get());
  EXPECT_EQ(Execute("AssignArray", {array, Int(0), nullptr, Bool(true), Int(4), Real(1.5), nullptr}).result,
            Orv::ORV_SUCCESS);
  EXPECT_EQ(Elements(*array, 3), (std::vector<double>{4, 1.5, 0}));
}

TEST_F(AssignCommands, NoValuesIsNothingToDo) {
  const auto array = RealArray({3});
  EXPECT_EQ(Execute("AssignArray", {array, Int(0), nullptr, Bool(true)}).result, Orv::ORV_SUCCESS);
  EXPECT_EQ(Elements(*array, 3), std::vector<double>(3, 0.0));
}

TEST_F(AssignCommands, ArrayArgumentsThatDoNotFit) {
  // Not an array; two dimensions without a second start index; a value the
  // array cannot hold.
  EXPECT_EQ(Execute("AssignArray", {Real(1), Int(0), nullptr, Bool(true), Real(1)}).message, kWrongType);
  EXPECT_EQ(Execute("AssignArray", {RealArray({2, 3}), Int(0), nullptr, Bool(true), Real(1)}).message, kWrongType);
  EXPECT_EQ(Execute("AssignArray", {RealArray({3}), Int(0), nullptr, Bool(true), Text("x")}).message, kWrongType);
  EXPECT_EQ(Execute("AssignArray", {RealArray({3}), Real(0.5), nullptr, Bool(true), Real(1)}).message, kWrongType);
  EXPECT_EQ(Execute("AssignArray", {RealArray({3}), Int(0)}).message, "Wrong argument count in command.");
}

// --- AssignString ---

TEST_F(AssignCommands, CharacterIsReplacedByTheWholeText) {
  const struct {
    std::int32_t position;
    const char* text;
    const char* expected;
  } cases[] = {{1, "xyz", "AxyzCDE"}, {1, "", "ACDE"}, {0, "z", "zBCDE"}, {4, "Z", "ABCDZ"}};
  for (const auto& [position, text, expected] : cases) {
    const Outcome outcome = Execute("AssignString", {TextVariable("ABCDE"), Int(position), Text(text)});
    EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
    EXPECT_EQ(VariableText(), expected);
  }
}

TEST_F(AssignCommands, PositionOutsideTheStringIsRefused) {
  for (const std::int32_t position : {5, -1, 100}) {
    const Outcome outcome = Execute("AssignString", {TextVariable("ABCDE"), Int(position), Text("x")});
    EXPECT_EQ(outcome.result, kFailure);
    EXPECT_EQ(outcome.message, kWrongType);
    EXPECT_EQ(VariableText(), "ABCDE");
  }
  const Outcome empty = Execute("AssignString", {TextVariable(""), Int(0), Text("x")});
  EXPECT_EQ(empty.message, kWrongType);
}

TEST_F(AssignCommands, TargetMustBeAnAssignableVariable) {
  EXPECT_EQ(Execute("AssignString", {Text("ABCDE"), Int(1), Text("x")}).message, kWrongType);
}

}  // namespace
}  // namespace Velkor::OrvTessan::testing
