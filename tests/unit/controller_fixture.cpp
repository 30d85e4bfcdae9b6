#include "controller_fixture.h"

#include "controller/controller_state.h"
#include "orvref/argument_table.h"
#include "orvref/live_objects.h"

namespace Velkor::OrvTessan::testing {

using Orv::SmartPointer;

namespace {

const char* const kComponents[] = {"TR", "RT", "SC", "MI", "FI", "Offsets"};

}  // namespace

ControllerTest::ControllerTest()
    : startCount_(OrvReference::LiveObjectCount()), context_(std::make_unique<OrvReference::ExecutionContext>()) {
  context_->SetMethodMapper(&methods_);
  ControllerState state;
  EXPECT_EQ(state.Initialize(&context_->channel()), Orv::ORV_SUCCESS);
}

void ControllerTest::TearDown() {
  context_.reset();
  EXPECT_EQ(OrvReference::LiveObjectCount(), startCount_) << "host objects left alive";
}

Outcome ControllerTest::Execute(const char* command, std::vector<Object> arguments) {
  Outcome outcome;
  outcome.result = commands_.ExecuteCommand(command, OrvReference::MakeArgumentTable(std::move(arguments)), &channel(),
                                            outcome.status, outcome.message);
  return outcome;
}

Outcome ControllerTest::Evaluate(const char* method, std::vector<Object> arguments) {
  Outcome outcome;
  outcome.result = methods_.EvaluateMethod(method, OrvReference::MakeArgumentTable(std::move(arguments)),
                                           context_.get(), outcome.value, outcome.status, outcome.message);
  return outcome;
}

Object ControllerTest::Real(double value) {
  SmartPointer<Orv::INCValue> made;
  context_->GetValueFactory()->CreateRealValue(value, made);
  return made;
}

Object ControllerTest::Int(std::int32_t value) {
  SmartPointer<Orv::INCValue> made;
  context_->GetValueFactory()->CreateIntValue(value, made);
  return made;
}

Object ControllerTest::Text(const char* value) {
  SmartPointer<Orv::INCValue> made;
  context_->GetValueFactory()->CreateStringValue(value, made);
  return made;
}

Object ControllerTest::Bool(bool value) {
  SmartPointer<Orv::INCValue> made;
  context_->GetValueFactory()->CreateBoolValue(value, made);
  return made;
}

Object ControllerTest::MatrixValue(const Orv::Matrix& matrix) {
  const SmartPointer<Orv::NCMCLMatrix> carried(new Orv::NCMCLMatrix(matrix));
  SmartPointer<Orv::INCValue> made;
  context_->GetValueFactory()->CreateReferenceValue(carried.get(), made);
  return made;
}

SmartPointer<Orv::INCBasicType> ControllerTest::BasicType(std::int32_t typeCode) {
  SmartPointer<Orv::INCBasicType> type;
  context_->GetValueFactory()->GetBasicType(typeCode, type);
  return type;
}

SmartPointer<Orv::INCStructType> ControllerTest::FrameType() {
  SmartPointer<Orv::INCType> type;
  context_->GetTypeRegistry()->FindType("FRAME", type);
  return Orv::DynamicPointerCast<Orv::INCStructType>(type);
}

SmartPointer<Orv::INCStructType> ControllerTest::StructType(std::int32_t typeCode, std::vector<const char*> members) {
  const auto memberType = BasicType(typeCode);
  std::vector<Orv::StructMemberDeclaration> declarations;
  for (const char* name : members) declarations.push_back({memberType.get(), name});
  SmartPointer<Orv::INCStructType> type;
  context_->GetStructTypeFactory()->CreateStructType(static_cast<std::int32_t>(declarations.size()),
                                                     declarations.data(), 0, type);
  return type;
}

SmartPointer<Orv::INCArrayType> ControllerTest::ArrayType(Orv::INCType* elementType, std::vector<std::int32_t> sizes) {
  SmartPointer<Orv::INCArrayType> type;
  context_->GetArrayTypeFactory()->CreateArrayType(elementType, static_cast<std::int32_t>(sizes.size()), sizes.data(),
                                                   false, true, type);
  return type;
}

Frame ControllerTest::NewFrame() {
  Frame frame;
  FrameType()->CreateValue(frame);
  return frame;
}

Frame ControllerTest::DeclareFrame(const char* name) {
  context_->scope().DeclareStruct(name, FrameType().get());
  Frame frame;
  context_->scope().GetStructVariable(name, frame);
  return frame;
}

double ControllerTest::Element(Orv::INCStruct& frame, const char* component, std::int32_t axis) {
  Object member, element;
  double value = -12345.0;
  frame.GetMember(component, member);
  const auto array = Orv::DynamicPointerCast<Orv::INCArray>(member);
  if (array && array->GetElement(1, &axis, element) == Orv::ORV_SUCCESS) {
    Orv::DynamicPointerCast<Orv::INCValue>(element)->GetReal(value);
  }
  return value;
}

void ControllerTest::SetElement(Orv::INCStruct& frame, const char* component, std::int32_t axis, double value) {
  Object member;
  frame.GetMember(component, member);
  const auto number = Real(value);
  ASSERT_EQ(Orv::DynamicPointerCast<Orv::INCArray>(member)->SetElement(1, &axis, number.get()), Orv::ORV_SUCCESS);
}

Orv::Matrix ControllerTest::MatrixOf(const Frame& frame) {
  const Outcome outcome = Evaluate("GetMatrixFromFrame", {frame});
  Orv::Matrix matrix;
  EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
  const auto arguments = OrvReference::MakeArgumentTable({outcome.value});
  EXPECT_EQ(arguments->GetMatrixArgument(0, matrix), Orv::ORV_SUCCESS);
  return matrix;
}

Frame ControllerTest::FrameOf(const Orv::Matrix& matrix) {
  const Outcome outcome = Evaluate("GetFrameFromMatrix", {MatrixValue(matrix)});
  EXPECT_EQ(outcome.result, Orv::ORV_SUCCESS) << outcome.message;
  return Orv::DynamicPointerCast<Orv::INCStruct>(outcome.value);
}

::testing::AssertionResult ControllerTest::IsDefaultFrame(Orv::INCStruct& frame) {
  for (const char* component : kComponents) {
    const double neutral = std::string_view(component) == "SC" ? 1.0 : 0.0;
    for (std::int32_t axis = 0; axis < 36; ++axis) {
      const double value = Element(frame, component, axis);
      if (value != neutral) {
        return ::testing::AssertionFailure() << component << "[" << axis << "] is " << value << ", not " << neutral;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

Orv::Matrix Affine(const double (&rows)[3][3], const double (&translation)[3]) {
  const double full[4][4] = {{rows[0][0], rows[0][1], rows[0][2], 0},
                             {rows[1][0], rows[1][1], rows[1][2], 0},
                             {rows[2][0], rows[2][1], rows[2][2], 0},
                             {translation[0], translation[1], translation[2], 1}};
  return Orv::Matrix(full);
}

::testing::AssertionResult MatricesNear(const Orv::Matrix& expected, const Orv::Matrix& actual, double tolerance) {
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      if (std::abs(expected(row, column) - actual(row, column)) > tolerance) {
        return ::testing::AssertionFailure() << "element (" << row << ", " << column << ") is " << actual(row, column)
                                             << ", expected " << expected(row, column);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace Velkor::OrvTessan::testing
