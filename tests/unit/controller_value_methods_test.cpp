// The method mapper and the methods that compute plain values.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>

#include "controller_fixture.h"
#include "plugin/results.h"

namespace Velkor::OrvTessan::testing {

using Orv::SmartPointer;

namespace {

constexpr const char* kWrongType = "An argument has the wrong type.";

class ValueMethods : public ControllerTest {
 protected:
  Orv::String TextOf(const Outcome& outcome) {
    Orv::String text = "(none)";
    if (const auto value = Orv::DynamicPointerCast<Orv::INCValue>(outcome.value)) value->GetString(text);
    return text;
  }
  double RealOf(const Outcome& outcome) {
    double number = -12345.0;
    Orv::DynamicPointerCast<Orv::INCValue>(outcome.value)->GetReal(number);
    return number;
  }
  std::int32_t TypeCodeOf(const Outcome& outcome) {
    SmartPointer<Orv::INCType> type;
    Orv::DynamicPointerCast<Orv::INCValue>(outcome.value)->GetType(type);
    return Orv::DynamicPointerCast<Orv::INCBasicType>(type)->GetTypeCode();
  }
  // Expects success and a value of the type code.
  void ExpectValue(const Outcome& outcome, std::int32_t typeCode, const char* text) {
    EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
    ASSERT_TRUE(outcome.value);
    EXPECT_EQ(TypeCodeOf(outcome), typeCode);
    EXPECT_EQ(TextOf(outcome), text);
  }
  void ExpectWrongType(const Outcome& outcome) {
    EXPECT_EQ(outcome.result, kFailure);
    EXPECT_EQ(outcome.status, 0u);
    EXPECT_EQ(outcome.message, kWrongType);
    EXPECT_FALSE(outcome.value);
  }
};

// --- The mapper ---

TEST_F(ValueMethods, EveryNameWithItsReturnType) {
  constexpr std::int32_t kNoBasicType = -1;
  const struct {
    const char* name;
    std::int32_t basicType;  // or kNoBasicType
    const char* namedType;   // a registered structure type, or null for none
  } names[] = {
      {"resetControllerState", kNoBasicType, nullptr},
      {"ResetControllerState", kNoBasicType, nullptr},
      {"getSubProgPos", kNoBasicType, nullptr},
      {"GetSubProgPos", kNoBasicType, nullptr},
      {"getJointNumber", Orv::BasicType::Int, nullptr},
      {"GetJointNumber", Orv::BasicType::Int, nullptr},
      {"createAxis", kNoBasicType, "AXIS"},
      {"CreateAxis", kNoBasicType, "AXIS"},
      {"createFrame", kNoBasicType, "FRAME"},
      {"CreateFrame", kNoBasicType, "FRAME"},
      {"getFrameElement", Orv::BasicType::Real, nullptr},
      {"GetFrameElement", Orv::BasicType::Real, nullptr},
      {"getFrameFromMatrix", kNoBasicType, "FRAME"},
      {"GetFrameFromMatrix", kNoBasicType, "FRAME"},
      {"getMatrixFromFrame", Orv::BasicType::Object, nullptr},
      {"GetMatrixFromFrame", Orv::BasicType::Object, nullptr},
      {"invertFrame", kNoBasicType, "FRAME"},
      {"InvertFrame", kNoBasicType, "FRAME"},
      {"multiplyFrames", kNoBasicType, "FRAME"},
      {"MultiplyFrames", kNoBasicType, "FRAME"},
      {"NUMBER", Orv::BasicType::Real, nullptr},
      {"ISNUMBER", Orv::BasicType::Bool, nullptr},
      {"ISVAR", Orv::BasicType::Bool, nullptr},
      {"TRUNC", Orv::BasicType::Int, nullptr},
      {"calculateCenterFromRadius", kNoBasicType, nullptr},
      {"CalculateCenterFromRadius", kNoBasicType, nullptr},
      {"formatString", Orv::BasicType::String, nullptr},
      {"FormatString", Orv::BasicType::String, nullptr},
  };
  Orv::IMethodMapper& methods = *context().methodMapper();
  for (const auto& [name, basicType, namedType] : names) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(methods.IsMethod(name));
    SmartPointer<Orv::INCType> type;
    ASSERT_TRUE(methods.GetMethodReturnType(name, &context(), type));
    if (basicType != kNoBasicType) {
      const auto basic = Orv::DynamicPointerCast<Orv::INCBasicType>(type);
      ASSERT_TRUE(basic);
      EXPECT_EQ(basic->GetTypeCode(), basicType);
    } else if (namedType != nullptr) {
      SmartPointer<Orv::INCType> registered;
      context().GetTypeRegistry()->FindType(namedType, registered);
      EXPECT_EQ(type.get(), registered.get());
    } else {
      EXPECT_FALSE(type);
    }
  }
}

TEST_F(ValueMethods, NamesAreMatchedExactly) {
  Orv::IMethodMapper& methods = *context().methodMapper();
  for (const char* name : {"Number", "number", "isNumber", "Trunc", "formatstring", "SetFrameElement",
                           // an initial some method has, one none has, and no initial at all
                           "TRUNCATE", "TRUN", "nUMBER", "$R", "R", ""}) {
    EXPECT_FALSE(methods.IsMethod(name)) << name;
    SmartPointer<Orv::INCType> type;
    EXPECT_FALSE(methods.GetMethodReturnType(name, &context(), type)) << name;
  }
  const Outcome outcome = Evaluate("Number", {Text("1")});
  EXPECT_EQ(outcome.result, kFailure);
  EXPECT_EQ(outcome.status, 0u);
  EXPECT_EQ(outcome.message, "An unknown method ('Number') was encountered.");
}

TEST(ValueMethodsBeforeInitialize, StructureReturnTypesAreNotFound) {
  OrvReference::ExecutionContext context;
  MethodMapper methods;
  SmartPointer<Orv::INCType> type;
  EXPECT_FALSE(methods.GetMethodReturnType("CreateFrame", &context, type));
  EXPECT_FALSE(methods.GetMethodReturnType("CreateAxis", &context, type));
  EXPECT_TRUE(methods.GetMethodReturnType("TRUNC", &context, type));
}

TEST_F(ValueMethods, MissingArgumentIsAWrongArgumentCount) {
  const Outcome outcome = Evaluate("NUMBER", {});
  EXPECT_EQ(outcome.result, kFailure);
  EXPECT_EQ(outcome.message, "Wrong argument count in command.");
}

// --- NUMBER and ISNUMBER ---

TEST_F(ValueMethods, NumberReadsTheWholeText) {
  ExpectValue(Evaluate("NUMBER", {Text("1.5EX3")}), Orv::BasicType::Real, "1500.0");
  ExpectValue(Evaluate("NUMBER", {Text(" 12")}), Orv::BasicType::Real, "12.0");
  ExpectValue(Evaluate("NUMBER", {Text("-2.5E-1")}), Orv::BasicType::Real, "-0.25");
  ExpectWrongType(Evaluate("NUMBER", {Text("1.5E3 ")}));
  ExpectWrongType(Evaluate("NUMBER", {Text("ABC")}));
  ExpectWrongType(Evaluate("NUMBER", {Text("")}));
}

TEST_F(ValueMethods, IsNumberAnswersWithoutAMessage) {
  const struct {
    const char* text;
    const char* answer;
  } cases[] = {{"ABC", "FALSE"}, {"", "FALSE"}, {"1.5EX3", "TRUE"}, {"12 ", "FALSE"}};
  for (const auto& [text, answer] : cases) {
    const Outcome outcome = Evaluate("ISNUMBER", {Text(text)});
    ExpectValue(outcome, Orv::BasicType::Bool, answer);
    EXPECT_EQ(outcome.message, "");
  }
}

// --- ISVAR ---

TEST_F(ValueMethods, IsVarKnowsScalarsArraysAndStructures) {
  context().scope().DeclareScalar("R", Orv::BasicType::Int);
  DeclareFrame("F");
  ExpectValue(Evaluate("ISVAR", {Text("R")}), Orv::BasicType::Bool, "TRUE");
  ExpectValue(Evaluate("ISVAR", {Text("F")}), Orv::BasicType::Bool, "TRUE");
  ExpectValue(Evaluate("ISVAR", {Text("$R")}), Orv::BasicType::Bool, "TRUE");
  ExpectValue(Evaluate("ISVAR", {Text("NOPE")}), Orv::BasicType::Bool, "FALSE");
}

TEST_F(ValueMethods, IsVarWithABracketAsksOnlyForArraysAndStructures) {
  context().scope().DeclareScalar("R", Orv::BasicType::Int);
  DeclareFrame("F");
  ExpectValue(Evaluate("ISVAR", {Text("R[3]")}), Orv::BasicType::Bool, "FALSE");
  ExpectValue(Evaluate("ISVAR", {Text("$R[3]")}), Orv::BasicType::Bool, "TRUE");
  ExpectValue(Evaluate("ISVAR", {Text("F[0]")}), Orv::BasicType::Bool, "TRUE");
}

// --- TRUNC ---

TEST_F(ValueMethods, TruncCutsTowardZero) {
  ExpectValue(Evaluate("TRUNC", {Real(-2.7)}), Orv::BasicType::Int, "-2");
  ExpectValue(Evaluate("TRUNC", {Real(2.7)}), Orv::BasicType::Int, "2");
  ExpectValue(Evaluate("TRUNC", {Int(5)}), Orv::BasicType::Int, "5");
  ExpectValue(Evaluate("TRUNC", {Real(2147483647.5)}), Orv::BasicType::Int, "2147483647");
  ExpectValue(Evaluate("TRUNC", {Real(-2147483648.9)}), Orv::BasicType::Int, "-2147483648");
}

TEST_F(ValueMethods, TruncRefusesWhatDoesNotFitAnInteger) {
  ExpectWrongType(Evaluate("TRUNC", {Real(2147483648.0)}));
  ExpectWrongType(Evaluate("TRUNC", {Real(-2147483649.0)}));
  ExpectWrongType(Evaluate("TRUNC", {Real(std::numeric_limits<double>::quiet_NaN())}));
  ExpectWrongType(Evaluate("TRUNC", {Real(-std::numeric_limits<double>::infinity())}));
  ExpectWrongType(Evaluate("TRUNC", {Text("2")}));
}

// --- FormatString ---

TEST_F(ValueMethods, FormatStringDropsTrailingZerosOfPlainDecimals) {
  ExpectValue(Evaluate("FormatString", {Real(12.5)}), Orv::BasicType::String, "12.5");
  ExpectValue(Evaluate("FormatString", {Real(12.0)}), Orv::BasicType::String, "12");
  ExpectValue(Evaluate("FormatString", {Real(100.0)}), Orv::BasicType::String, "100");
  ExpectValue(Evaluate("FormatString", {Real(-0.5)}), Orv::BasicType::String, "-0.5");
}

TEST_F(ValueMethods, FormatStringLeavesOtherTextsAlone) {
  ExpectValue(Evaluate("formatString", {Real(1.5e20)}), Orv::BasicType::String, "1.5e+20");
  ExpectValue(Evaluate("FormatString", {Int(120)}), Orv::BasicType::String, "120");
  ExpectValue(Evaluate("FormatString", {Text("12.500")}), Orv::BasicType::String, "12.500");
  ExpectValue(Evaluate("FormatString", {Bool(true)}), Orv::BasicType::String, "TRUE");
  EXPECT_EQ(Evaluate("FormatString", {NewFrame()}).message, "Wrong argument count in command.");
}

// --- GetSubProgPos ---

class SubprogramSearch : public ValueMethods {
 protected:
  void TearDown() override {
    for (const std::string& path : files_) std::remove(path.c_str());
    ValueMethods::TearDown();
  }
  Frame NewAnswer() {
    const auto text = BasicType(Orv::BasicType::String);
    const auto integer = BasicType(Orv::BasicType::Int);
    const Orv::StructMemberDeclaration members[] = {{text.get(), "szProgPath"}, {integer.get(), "nStartPos"}};
    SmartPointer<Orv::INCStructType> type;
    context().GetStructTypeFactory()->CreateStructType(2, members, 0, type);
    Frame answer;
    type->CreateValue(answer);
    return answer;
  }
  void AddProgram(const char* name, const char* text) {
    // Named after the test too: tests run side by side in separate processes.
    const std::string path =
        ::testing::TempDir() + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" + name;
    std::ofstream(path) << text;
    files_.push_back(path);
    ASSERT_TRUE(channel().programs().AddFile(path));
  }
  // The answer as "path@position".
  std::string Search(const char* subprogram) {
    const Frame answer = NewAnswer();
    const Outcome outcome = Evaluate("GetSubProgPos", {Text(subprogram), answer});
    EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
    EXPECT_FALSE(outcome.value);
    Object path, position;
    answer->GetMember("szProgPath", path);
    answer->GetMember("nStartPos", position);
    Orv::String pathText, positionText;
    Orv::DynamicPointerCast<Orv::INCValue>(path)->GetString(pathText);
    Orv::DynamicPointerCast<Orv::INCValue>(position)->GetString(positionText);
    return std::string(pathText.c_str()) + "@" + positionText.c_str();
  }

 private:
  std::vector<std::string> files_;
};

TEST_F(SubprogramSearch, FindsTheStartLineIgnoringBlanksAndCaseOfTheLine) {
  AddProgram("main.mpf", "; main\nG1 X1\n  %_n_sub1_spf\nM17\n");
  EXPECT_EQ(Search("SUB1"), "@2");
}

TEST_F(SubprogramSearch, NameIsTakenAsWritten) {
  AddProgram("main.mpf", "  %_n_sub1_spf\n");
  EXPECT_EQ(Search("sub1"), "sub1@0");
}

TEST_F(SubprogramSearch, OnlyTheLatestProgramIsSearched) {
  AddProgram("first.mpf", "%_N_SUB1_SPF\n");
  EXPECT_EQ(Search("SUB1"), "@0");
  AddProgram("second.mpf", "G0\n%_N_SUB2_SPF\n");
  EXPECT_EQ(Search("SUB1"), "SUB1@0");
  EXPECT_EQ(Search("SUB2"), "@1");
}

TEST_F(SubprogramSearch, LineMustStartWithTheWholePattern) {
  AddProgram("main.mpf", "%_N_SUB1\n%_N_SUB12_SPF\n%_N_SUB1_SPF_X\n");
  EXPECT_EQ(Search("SUB1"), "@2");
}

TEST_F(SubprogramSearch, WithoutProgramsTheNameComesBack) {
  EXPECT_EQ(Search("SUB1"), "SUB1@0");
}

// --- GetJointNumber, CreateAxis, ResetControllerState ---

TEST_F(ValueMethods, JointNumberIsTheAxisIndex) {
  ExpectValue(Evaluate("GetJointNumber", {Text("B")}), Orv::BasicType::Int, "4");
  const Outcome unknown = Evaluate("getJointNumber", {Text("Q")});
  EXPECT_EQ(unknown.result, kFailure);
  EXPECT_EQ(unknown.message, "Internal error.");
}

TEST_F(ValueMethods, CreateAxisCarriesTheNameUnchecked) {
  const Outcome outcome = Evaluate("CreateAxis", {Text("Q9")});
  ASSERT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
  const auto axis = Orv::DynamicPointerCast<Orv::INCStruct>(outcome.value);
  ASSERT_TRUE(axis);
  SmartPointer<Orv::INCType> type, axisType;
  axis->GetType(type);
  context().GetTypeRegistry()->FindType("AXIS", axisType);
  EXPECT_EQ(type->CompareType(axisType.get()), 0);
  Object name;
  axis->GetMember("Name", name);
  Orv::String text;
  Orv::DynamicPointerCast<Orv::INCValue>(name)->GetString(text);
  EXPECT_EQ(text, "Q9");
}

TEST_F(ValueMethods, ResetControllerStateHasNoValue) {
  const Outcome outcome = Evaluate("resetControllerState", {});
  EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS);
  EXPECT_EQ(outcome.message, "");
  EXPECT_FALSE(outcome.value);
}

}  // namespace
}  // namespace Velkor::OrvTessan::testing
