// What tessan eval prints: basic values, reals to 12 digits with rounding
// noise hidden, frames as their elements that differ from the default
// frame, matrices row by row.
#include <gtest/gtest.h>

#include "value_printer.h"

namespace Velkor::Tessan {
namespace {

using Orv::SmartPointer;
namespace Code = Orv::BasicType;

class TessanValuePrinter : public ::testing::Test {
 protected:
  TessanValuePrinter() {
    // A stand-in FRAME of three components over six axes, SC 1.0 by default.
    SmartPointer<Orv::INCBasicType> real;
    values_->GetBasicType(Code::Real, real);
    const std::int32_t axes = 6;
    SmartPointer<Orv::INCArrayType> component;
    context_.GetArrayTypeFactory()->CreateArrayType(real.get(), 1, &axes, false, true, component);
    const Orv::StructMemberDeclaration members[] = {
        {component.get(), "TR"}, {component.get(), "RT"}, {component.get(), "SC"}};
    context_.GetStructTypeFactory()->CreateStructType(3, members, 0, frameType_);
    context_.types().RegisterType("FRAME", frameType_.get());
    SmartPointer<Orv::INCStruct> standard;
    frameType_->CreateValue(standard);
    for (std::int32_t axis = 0; axis < axes; ++axis) Set(*standard, "SC", axis, 1.0);
    frameType_->SetDefaultValue(standard.get());
  }

  void Set(Orv::INCStruct& frame, const char* component, std::int32_t axis, double number) {
    SmartPointer<Orv::INCObject> array;
    frame.GetMember(component, array);
    dynamic_cast<Orv::INCArray&>(*array).SetElement(1, &axis, Real(number).get());
  }

  SmartPointer<Orv::INCValue> Real(double number) {
    SmartPointer<Orv::INCValue> value;
    values_->CreateRealValue(number, value);
    return value;
  }

  std::string Print(const SmartPointer<Orv::INCValue>& value) { return ValueText(value.get(), context_); }

  OrvReference::ExecutionContext context_;
  SmartPointer<Orv::IValueFactory> values_ = context_.GetValueFactory();
  SmartPointer<Orv::INCStructType> frameType_;
};

TEST_F(TessanValuePrinter, RealsShowTwelveDigitsAndNoNoise) {
  EXPECT_EQ(Print(Real(12.5)), "12.5");
  EXPECT_EQ(Print(Real(90.00000000000001)), "90.0");
  EXPECT_EQ(Print(Real(0.1 + 0.2)), "0.3");
  EXPECT_EQ(Print(Real(1e-11)), "0.0");
  EXPECT_EQ(Print(Real(-0.0)), "0.0");
  EXPECT_EQ(Print(Real(1e20)), "1e+20");
  EXPECT_EQ(Print(Real(-2.0)), "-2.0");
}

TEST_F(TessanValuePrinter, OtherBasicValuesPrintAsInTheTrace) {
  SmartPointer<Orv::INCValue> value;
  values_->CreateIntValue(-2, value);
  EXPECT_EQ(Print(value), "-2");
  values_->CreateBoolValue(true, value);
  EXPECT_EQ(Print(value), "TRUE");
  values_->CreateCharValue('c', value);
  EXPECT_EQ(Print(value), "'c'");
  values_->CreateStringValue("A\"12.5", value);
  EXPECT_EQ(Print(value), R"("A\"12.5")");
  EXPECT_EQ(ValueText(nullptr, context_), "_");
}

TEST_F(TessanValuePrinter, FramesListWhatDiffersFromTheDefaultFrame) {
  SmartPointer<Orv::INCStruct> frame;
  frameType_->CreateValue(frame);
  EXPECT_EQ(ValueText(frame.get(), context_), "FRAME{}");

  Set(*frame, "RT", 2, 89.99999999999999);
  Set(*frame, "TR", 0, 10.0);
  Set(*frame, "TR", 1, -0.0);
  Set(*frame, "SC", 1, 1.0000000000001);
  Set(*frame, "SC", 3, 0.5);
  EXPECT_EQ(ValueText(frame.get(), context_), "FRAME{TR[X]=10.0, RT[Z]=90.0, SC[A]=0.5}");

  context_.channel().SetAxes({"X", "Y", "Z"});
  EXPECT_EQ(ValueText(frame.get(), context_), "FRAME{TR[X]=10.0, RT[Z]=90.0, SC[3]=0.5}");
}

TEST_F(TessanValuePrinter, MatricesPrintRowByRow) {
  Orv::Matrix moved;
  moved.Trans({1, 2, 3});
  SmartPointer<Orv::INCValue> value;
  values_->CreateReferenceValue(new Orv::NCMCLMatrix(moved), value);
  EXPECT_EQ(Print(value),
            "MATRIX[[1.0, 0.0, 0.0, 0.0], [0.0, 1.0, 0.0, 0.0], [0.0, 0.0, 1.0, 0.0], [1.0, 2.0, 3.0, 1.0]]");
}

}  // namespace
}  // namespace Velkor::Tessan
