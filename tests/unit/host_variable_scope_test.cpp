// The variable scope as a running subprogram sees it: local frames that hide
// the caller's locals, parameters bound to the caller's storage, the digest
// of the declarations a parse depends on, the change counts by which the
// interpreter notices that a frame variable was written; and the variables
// put back as they were set up, for the next program on the channel.
#include <gtest/gtest.h>

#include "expressions/element_nodes.h"
#include "host_constants.h"
#include "orvref/execution_context.h"
#include "values/array_type.h"
#include "values/struct_value.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

namespace Code = Orv::BasicType;

class HostVariableScope : public ::testing::Test, protected HostConstants {
 protected:
  Orv::IExecutionContext& FactoryContext() override { return context_; }
  VariableScope& scope() { return context_.scope(); }

  // The value of a variable as a running program reads it.
  double Read(const char* name) {
    Orv::SmartPointer<Orv::INCLValue> variable;
    EXPECT_EQ(scope().GetScalarVariable(name, variable), Orv::ORV_SUCCESS) << name;
    Orv::SmartPointer<Orv::INCValue> value;
    double number = -1.0;
    if (variable && variable->GetValue(value) == Orv::ORV_SUCCESS) value->GetReal(number);
    return number;
  }

  // Assigns through the node a program's assignment uses.
  void Write(const char* name, double number) {
    Orv::SmartPointer<Orv::INCLValue> variable;
    ASSERT_EQ(scope().GetScalarVariable(name, variable), Orv::ORV_SUCCESS) << name;
    Orv::SmartPointer<Orv::INCValue> value;
    context_.GetValueFactory()->CreateRealValue(number, value);
    EXPECT_EQ(variable->Assign(value.get()), Orv::ORV_SUCCESS) << name;
  }

  ExecutionContext context_;
};

TEST_F(HostVariableScope, ALocalFrameHidesTheCallersLocalsButNotTheChannelVariables) {
  scope().DeclareScalar("CHAN", Code::Real);
  scope().EnterLocalFrame();
  scope().DeclareScalar("MAIN", Code::Real, true);
  scope().EnterLocalFrame();
  EXPECT_NE(scope().CheckScalarVariable("MAIN"), Orv::ORV_SUCCESS);
  EXPECT_EQ(scope().CheckScalarVariable("CHAN"), Orv::ORV_SUCCESS);
  // A local of the same name hides a channel variable until its frame ends.
  scope().DeclareScalar("CHAN", Code::Int, true);
  Write("CHAN", 7.9);
  EXPECT_EQ(Read("CHAN"), 7.0);
  scope().LeaveLocalFrame();
  EXPECT_EQ(Read("CHAN"), 0.0);
  EXPECT_EQ(scope().CheckScalarVariable("MAIN"), Orv::ORV_SUCCESS);
  scope().LeaveLocalFrame();
  EXPECT_NE(scope().CheckScalarVariable("MAIN"), Orv::ORV_SUCCESS);
}

// Names of one length told apart by their last or first character, a name
// that begins another, names that differ from each other only in length.
TEST_F(HostVariableScope, EachNameFindsItsOwnVariableWhateverNamesShareItsLengthOrPrefix) {
  const char* names[] = {"R",   "RA",   "RB", "AR",   "RAB",   "RBA",  "R1",
                         "R10", "R100", "$R", "$P_R", "$P_RA", "RLEN", "RANG"};
  double number = 1.0;
  for (const char* name : names) scope().DeclareScalar(name, Code::Real);
  for (const char* name : names) Write(name, number++);
  number = 1.0;
  for (const char* name : names) EXPECT_EQ(Read(name), number++) << name;
  for (const char* unknown : {"", "RC", "R2", "R1000", "$P_RB", "RLE", "RLENG", "A"})
    EXPECT_NE(scope().CheckScalarVariable(unknown), Orv::ORV_SUCCESS) << unknown;
}

// Each lookup right after the one before it of the same name, across every
// change that can give the name another meaning (or drop its variable).
TEST_F(HostVariableScope, ANameLookedUpJustBeforeAChangeDenotesWhatItDenotesAfterIt) {
  const SmartPointer<ArrayType> list(new ArrayType(new BasicType(Code::Real), {4}));
  scope().DeclareScalar("X", Code::Real);
  EXPECT_EQ(scope().CheckScalarVariable("X"), Orv::ORV_SUCCESS);
  scope().DeclareArray("X", list.get());
  EXPECT_NE(scope().CheckScalarVariable("X"), Orv::ORV_SUCCESS);
  EXPECT_EQ(scope().CheckArrayVariable("X"), Orv::ORV_SUCCESS);
  EXPECT_NE(scope().CheckArrayVariable("XY"), Orv::ORV_SUCCESS);

  scope().EnterLocalFrame();
  EXPECT_EQ(scope().CheckArrayVariable("X"), Orv::ORV_SUCCESS);
  scope().DeclareScalar("X", Code::Int, true);
  EXPECT_EQ(scope().CheckScalarVariable("X"), Orv::ORV_SUCCESS);
  scope().LeaveLocalFrame();
  EXPECT_EQ(scope().CheckArrayVariable("X"), Orv::ORV_SUCCESS);

  context_.KeepAsSetup();
  scope().DeclareScalar("Y", Code::Int);
  EXPECT_EQ(scope().CheckScalarVariable("Y"), Orv::ORV_SUCCESS);
  context_.ResetToSetup();
  EXPECT_NE(scope().CheckScalarVariable("Y"), Orv::ORV_SUCCESS);
  EXPECT_EQ(scope().CheckArrayVariable("X"), Orv::ORV_SUCCESS);
}

TEST_F(HostVariableScope, TheSignatureFollowsTheDeclarationsInSightNotTheirValues) {
  const std::uint64_t empty = scope().Signature();
  scope().EnterLocalFrame();
  EXPECT_EQ(scope().Signature(), empty);
  scope().DeclareScalar("LOCAL", Code::Int, true);
  const std::uint64_t declared = scope().Signature();
  EXPECT_NE(declared, empty);
  Write("LOCAL", 3.0);
  scope().DeclareScalar("LOCAL", Code::Int, true);
  EXPECT_EQ(scope().Signature(), declared);
  scope().DeclareScalar("LOCAL", Code::Real, true);
  EXPECT_NE(scope().Signature(), declared);
  // Arrays of the same sizes read alike, whatever type object they have.
  const SmartPointer<ArrayType> ten(new ArrayType(new BasicType(Code::Real), {10}));
  const SmartPointer<ArrayType> tenAgain(new ArrayType(new BasicType(Code::Real), {10}));
  scope().DeclareArray("LIST", ten.get(), true);
  const std::uint64_t withList = scope().Signature();
  scope().DeclareArray("LIST", tenAgain.get(), true);
  EXPECT_EQ(scope().Signature(), withList);
  scope().LeaveLocalFrame();
  EXPECT_EQ(scope().Signature(), empty);
  scope().EnterLocalFrame();
  scope().DeclareScalar("LOCAL", Code::Int, true);
  EXPECT_EQ(scope().Signature(), declared);
}

TEST_F(HostVariableScope, AParameterBoundByReferenceReadsAndWritesTheCallersStorage) {
  scope().EnterLocalFrame();
  scope().DeclareScalar("COUNT", Code::Int, true);
  Write("COUNT", 2.0);
  // The caller passes COUNT and the element $R[4]; the callee names its
  // parameters COUNT (the same name) and ELEMENT.
  Orv::SmartPointer<Orv::INCLValue> count, element;
  scope().GetScalarVariable("COUNT", count);
  Orv::SmartPointer<Orv::INCObjectExpression> rArray, rElement;
  context_.GetLValueFactory()->CreateArrayExpression("$R", rArray);
  const Orv::SmartPointer<Orv::INCObjectExpression> four = Int(4);
  Orv::INCExpression* index[] = {dynamic_cast<Orv::INCExpression*>(four.get())};
  context_.GetExpressionFactory()->CreateElementExpression(rArray.get(), 1, index, rElement);
  Orv::SmartPointer<Orv::INCLValue> boundCount, boundElement;
  Evaluation evaluation(&context_);
  ASSERT_TRUE(dynamic_cast<const LValueNode*>(count.get())->Bind(evaluation, boundCount));
  ASSERT_TRUE(dynamic_cast<const LValueNode*>(rElement.get())->Bind(evaluation, boundElement));
  // The bound element keeps the element type of the array it was made on.
  std::int32_t elementCode = -1;
  ASSERT_EQ(boundElement->GetType(elementCode), Orv::ORV_SUCCESS);
  EXPECT_EQ(elementCode, Code::Real);

  scope().EnterLocalFrame();
  scope().DeclareScalar("COUNT", Code::Int, true);
  scope().DeclareScalar("ELEMENT", Code::Real, true);
  EXPECT_TRUE(scope().BindScalar("COUNT", boundCount));
  EXPECT_TRUE(scope().BindScalar("ELEMENT", boundElement));
  EXPECT_FALSE(scope().BindScalar("UNKNOWN", boundCount));
  EXPECT_EQ(Read("COUNT"), 2.0);
  Write("COUNT", 5.0);
  Write("ELEMENT", 1.5);
  scope().LeaveLocalFrame();
  EXPECT_EQ(Read("COUNT"), 5.0);
  Orv::SmartPointer<Orv::INCValue> stored;
  dynamic_cast<Orv::INCLValue*>(rElement.get())->GetValue(stored);
  double number = 0.0;
  stored->GetReal(number);
  EXPECT_EQ(number, 1.5);
}

TEST_F(HostVariableScope, AnArrayParameterSharesOrCopiesTheCallersArray) {
  const SmartPointer<ArrayType> three(new ArrayType(new BasicType(Code::Real), {3}));
  scope().DeclareArray("DATA", three.get());
  Orv::SmartPointer<Orv::INCArray> data;
  scope().GetArrayVariable("DATA", data);
  scope().EnterLocalFrame();
  scope().DeclareArray("SHARED", nullptr, true);
  scope().DeclareArray("COPIED", nullptr, true);
  const std::uint64_t unbound = scope().Signature();
  EXPECT_TRUE(scope().BindObject("SHARED", data.get(), false));
  EXPECT_TRUE(scope().BindObject("COPIED", data.get(), true));
  // The parameters now have the array's type, which later parses read.
  EXPECT_NE(scope().Signature(), unbound);
  Orv::SmartPointer<Orv::INCArray> shared, copied;
  scope().GetArrayVariable("SHARED", shared);
  scope().GetArrayVariable("COPIED", copied);
  EXPECT_EQ(shared.get(), data.get());
  EXPECT_NE(copied.get(), data.get());
  EXPECT_FALSE(scope().BindObject("SHARED", BasicValue::Int(1).get(), false));
}

TEST_F(HostVariableScope, AStructuresChangeCountGrowsWithEveryWriteIntoIt) {
  const SmartPointer<ArrayType> reals(new ArrayType(new BasicType(Code::Real), {2}));
  const SmartPointer<StructType> type(new StructType({{"A", reals}, {"B", reals}}));
  Orv::SmartPointer<Orv::INCStruct> created;
  type->CreateValue(created);
  auto* structure = dynamic_cast<StructValue*>(created.get());
  ASSERT_NE(structure, nullptr);
  const std::uint64_t start = structure->Changes();
  Orv::SmartPointer<Orv::INCObject> member;
  structure->GetMember("A", member);
  const std::int32_t index = 1;
  dynamic_cast<Orv::INCArray*>(member.get())->SetElement(1, &index, BasicValue::Real(2.0).get());
  const std::uint64_t afterElement = structure->Changes();
  EXPECT_GT(afterElement, start);
  // A fresh member in place of a written one never brings the count back.
  Orv::SmartPointer<Orv::INCObject> fresh;
  reals->CreateValue(fresh);
  structure->SetMember("A", fresh.get());
  EXPECT_GT(structure->Changes(), afterElement);
  const std::uint64_t beforeCopy = structure->Changes();
  EXPECT_TRUE(structure->AssignFrom(*structure->Copy()));
  EXPECT_GT(structure->Changes(), beforeCopy);
}

TEST_F(HostVariableScope, ResetToSetupGivesBackTheVariablesAsTheyWereKeptEveryTime) {
  scope().DeclareScalar("KEPT", Code::Real);
  Write("KEPT", 2.5);
  scope().SetScopeSwitchA(true);
  context_.KeepAsSetup();
  const std::uint64_t setUp = scope().Signature();
  const std::int32_t element = 3;
  for (int run = 0; run < 2; ++run) {
    Write("KEPT", 7.0);
    Orv::SmartPointer<Orv::INCArray> parameters;
    ASSERT_EQ(scope().GetArrayVariable("$R", parameters), Orv::ORV_SUCCESS);
    parameters->SetElement(1, &element, BasicValue::Real(4.0).get());
    scope().DeclareScalar("LATER", Code::Int);
    scope().EnterLocalFrame();
    scope().DeclareScalar("LOCAL", Code::Int, true);
    scope().SetScopeSwitchA(false);
    scope().SetScopeSwitchB(true);

    context_.ResetToSetup();
    EXPECT_EQ(Read("KEPT"), 2.5) << "run " << run;
    ASSERT_EQ(scope().GetArrayVariable("$R", parameters), Orv::ORV_SUCCESS);
    Orv::SmartPointer<Orv::INCObject> value;
    parameters->GetElement(1, &element, value);
    double number = -1.0;
    dynamic_cast<Orv::INCValue&>(*value).GetReal(number);
    EXPECT_EQ(number, 0.0) << "run " << run;
    EXPECT_NE(scope().CheckScalarVariable("LATER"), Orv::ORV_SUCCESS);
    EXPECT_NE(scope().CheckScalarVariable("LOCAL"), Orv::ORV_SUCCESS);
    EXPECT_EQ(scope().FrameCount(), 1u);
    EXPECT_EQ(scope().scopeSwitchA(), true);
    EXPECT_EQ(scope().scopeSwitchB(), std::nullopt);
    EXPECT_EQ(scope().Signature(), setUp);
  }
}

TEST_F(HostVariableScope, ANewContextResetsToItsRParameters) {
  scope().DeclareScalar("LATER", Code::Int);
  context_.ResetToSetup();
  EXPECT_NE(scope().CheckScalarVariable("LATER"), Orv::ORV_SUCCESS);
  EXPECT_EQ(scope().CheckArrayVariable("$R"), Orv::ORV_SUCCESS);
}

}  // namespace
}  // namespace Velkor::OrvReference
