// The reference host's value model: readings and text forms of basic
// values, array bounds and stored conversions, structures with their
// defaults, clones and update handles, and type comparison.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "orvref/live_objects.h"
#include "orvref/text_forms.h"
#include "orvref/type_registry.h"
#include "orvref/update_record.h"
#include "values/basic_type.h"
#include "values/type_factories.h"
#include "values/value_factory.h"

namespace Velkor::OrvReference {
namespace {

using Orv::INCObject;
using Orv::INCValue;
using Orv::SmartPointer;
using Orv::String;
namespace Code = Orv::BasicType;

class HostValues : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(LiveObjectCount(), startCount_); }

  SmartPointer<INCValue> Int(std::int32_t v) {
    SmartPointer<INCValue> value;
    values_.CreateIntValue(v, value);
    return value;
  }
  SmartPointer<INCValue> Real(double v) {
    SmartPointer<INCValue> value;
    values_.CreateRealValue(v, value);
    return value;
  }
  SmartPointer<INCValue> Text(const char* v) {
    SmartPointer<INCValue> value;
    values_.CreateStringValue(v, value);
    return value;
  }
  SmartPointer<Orv::INCType> Basic(std::int32_t code) {
    SmartPointer<Orv::INCBasicType> type;
    values_.GetBasicType(code, type);
    return type;
  }
  SmartPointer<Orv::INCArrayType> ArrayOf(std::int32_t code, std::vector<std::int32_t> sizes) {
    SmartPointer<Orv::INCArrayType> type;
    ArrayTypeFactory().CreateArrayType(Basic(code).get(), static_cast<std::int32_t>(sizes.size()), sizes.data(), false,
                                       true, type);
    return type;
  }
  static String TextOf(const SmartPointer<INCObject>& object) {
    String text;
    EXPECT_EQ(dynamic_cast<INCValue&>(*object).GetString(text), Orv::ORV_SUCCESS);
    return text;
  }

  ValueFactory values_;
  const std::int64_t startCount_ = LiveObjectCount();
};

// What the text form of a real is defined as: std::to_chars's shortest text,
// with ".0" when it has neither a point nor an exponent nor letters.
std::string ShortestText(double value) {
  char buffer[64];
  std::string text(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
  if (text.find_first_of(".eabcdfghijklmnopqrstuvwxyz") == std::string::npos) text += ".0";
  return text;
}

// Reals of few decimals take a shorter way to their text than the others;
// both must give the shortest text, whichever of the fixed and the exponent
// form is shorter.
TEST(RealText, IsTheShortestTextThatReadsBack) {
  for (const double value :
       {0.0,       -0.0,  1.0,      -1.0,     0.1,     0.3,         1.0 / 3,          0.0001,      0.0005,
        0.00012,   0.001, 100000.0, 1e6,      1200.0,  123456789.0, 999999999.999999, 999999999.0, 1e9,
        1e9 - 0.5, 5e-7,  139.427,  -474.989, -22.497, 298.44,      2.5e-6,           1e15,        12345678.901234,
        0.000001}) {
    EXPECT_EQ(RealText(value), ShortestText(value)) << value;
  }
  std::uint64_t seed = 1;
  const auto next = [&seed] {
    seed = seed * 6364136223846793005u + 1442695040888963407u;
    return seed >> 11;
  };
  for (int i = 0; i < 200000; ++i) {
    // A decimal text of up to nine digits before the point and eight after.
    std::string decimal = next() % 2 ? "-" : "";
    decimal += std::to_string(next() % 1000000000 /
                              (next() % 9 == 0 ? 1 : static_cast<std::uint64_t>(std::pow(10, next() % 9))));
    const int decimals = static_cast<int>(next() % 9);
    if (decimals > 0) decimal += '.';
    for (int d = 0; d < decimals; ++d) decimal += static_cast<char>('0' + next() % 10);
    const double parsed = std::strtod(decimal.c_str(), nullptr);
    ASSERT_EQ(RealText(parsed), ShortestText(parsed)) << decimal;
    // And any real, of whatever bits.
    double any = 0;
    const std::uint64_t bits = next() << 11 | next() % 2048;
    std::memcpy(&any, &bits, sizeof any);
    if (std::isfinite(any)) {
      ASSERT_EQ(RealText(any), ShortestText(any)) << bits;
    }
  }
}

// The host recognises its own types at once and asks dynamic_cast about any
// other: another host's basic type has a code too, an array type none.
TEST(HostTypes, BasicTypeCodesOfOwnAndOtherTypes) {
  class OtherBasicType final : public Orv::INCBasicType {
   public:
    std::int32_t CompareType(const Orv::INCType*) const override { return 1; }
    std::int32_t GetTypeCode() const override { return Code::Char; }
  };
  const SmartPointer<Orv::INCType> own(new BasicType(Code::Real));
  const SmartPointer<Orv::INCType> other(new OtherBasicType());
  const std::int32_t size = 2;
  SmartPointer<Orv::INCArrayType> array;
  ArrayTypeFactory().CreateArrayType(own.get(), 1, &size, false, true, array);
  std::int32_t code = -1;
  EXPECT_TRUE(BasicTypeCode(own.get(), code));
  EXPECT_EQ(code, Code::Real);
  EXPECT_TRUE(BasicTypeCode(other.get(), code));
  EXPECT_EQ(code, Code::Char);
  EXPECT_FALSE(BasicTypeCode(array.get(), code));
  EXPECT_FALSE(BasicTypeCode(nullptr, code));
}

TEST_F(HostValues, TextFormsOfBasicValues) {
  EXPECT_EQ(RealText(12.5), "12.5");
  EXPECT_EQ(RealText(12.0), "12.0");
  EXPECT_EQ(RealText(1e-7), "1e-07");
  EXPECT_EQ(RealText(1e20), "1e+20");
  EXPECT_EQ(RealText(-0.5), "-0.5");
  EXPECT_EQ(QuotedText("a\"b\\c\n\xE9", '"'), R"("a\"b\\c\x0A\xE9")");
  EXPECT_EQ(QuotedText("'", '\''), R"('\'')");

  SmartPointer<INCValue> yes, letter;
  values_.CreateBoolValue(true, yes);
  values_.CreateCharValue('x', letter);
  EXPECT_EQ(TextOf(yes), "TRUE");
  EXPECT_EQ(TextOf(letter), "x");
  EXPECT_EQ(TextOf(Int(-12)), "-12");
  EXPECT_EQ(TextOf(Real(12.0)), "12.0");
  EXPECT_EQ(TextOf(Text("as is")), "as is");
}

TEST_F(HostValues, EachReadingAcceptsOnlyItsKinds) {
  bool truth = false;
  EXPECT_EQ(Int(5)->GetBool(truth), Orv::ORV_SUCCESS);
  EXPECT_TRUE(truth);
  EXPECT_EQ(Int(0)->GetBool(truth), Orv::ORV_SUCCESS);
  EXPECT_FALSE(truth);
  EXPECT_NE(Real(1.0)->GetBool(truth), Orv::ORV_SUCCESS);

  SmartPointer<INCValue> letter, yes;
  values_.CreateCharValue('A', letter);
  values_.CreateBoolValue(true, yes);
  std::int32_t integer = 0;
  EXPECT_EQ(letter->GetInteger(integer), Orv::ORV_SUCCESS);
  EXPECT_EQ(integer, 65);
  EXPECT_EQ(yes->GetInteger(integer), Orv::ORV_SUCCESS);
  EXPECT_EQ(integer, 1);
  EXPECT_NE(Real(2.0)->GetInteger(integer), Orv::ORV_SUCCESS);

  double real = 0.0;
  EXPECT_EQ(Int(3)->GetReal(real), Orv::ORV_SUCCESS);
  EXPECT_EQ(real, 3.0);
  EXPECT_NE(Text("3")->GetReal(real), Orv::ORV_SUCCESS);
  EXPECT_NE(letter->GetReal(real), Orv::ORV_SUCCESS);
}

TEST_F(HostValues, AReferenceValueCarriesItsObjectAndHasNoText) {
  SmartPointer<INCValue> carried = Int(1);
  SmartPointer<INCValue> reference, empty;
  values_.CreateReferenceValue(carried.get(), reference);
  values_.CreateReferenceValue(nullptr, empty);
  SmartPointer<INCObject> object;
  EXPECT_EQ(reference->GetReferencedObject(object), Orv::ORV_SUCCESS);
  EXPECT_EQ(object.get(), carried.get());
  EXPECT_EQ(empty->GetReferencedObject(object), Orv::ORV_SUCCESS);
  EXPECT_FALSE(object);
  String text;
  EXPECT_NE(reference->GetString(text), Orv::ORV_SUCCESS);
  EXPECT_NE(carried->GetReferencedObject(object), Orv::ORV_SUCCESS);
}

TEST_F(HostValues, ArraysCheckDimensionsAndBounds) {
  SmartPointer<INCObject> created;
  ASSERT_EQ(ArrayOf(Code::Int, {2, 3})->CreateValue(created), Orv::ORV_SUCCESS);
  auto& array = dynamic_cast<Orv::INCArray&>(*created);
  const std::int32_t last[] = {1, 2};
  const std::int32_t outside[] = {1, 3};
  const std::int32_t negative[] = {-1, 0};
  SmartPointer<INCObject> element;
  ASSERT_EQ(array.GetElement(2, last, element), Orv::ORV_SUCCESS);
  EXPECT_EQ(TextOf(element), "0");
  EXPECT_NE(array.GetElement(2, outside, element), Orv::ORV_SUCCESS);
  EXPECT_NE(array.GetElement(2, negative, element), Orv::ORV_SUCCESS);
  EXPECT_NE(array.GetElement(1, last, element), Orv::ORV_SUCCESS);
  EXPECT_NE(array.SetElement(2, outside, Int(1).get()), Orv::ORV_SUCCESS);
}

TEST_F(HostValues, SetElementStoresAConvertedCopy) {
  SmartPointer<INCObject> ints, reals;
  ArrayOf(Code::Int, {3})->CreateValue(ints);
  ArrayOf(Code::Real, {1})->CreateValue(reals);
  auto& intArray = dynamic_cast<Orv::INCArray&>(*ints);
  const std::int32_t first[] = {0};
  const std::int32_t second[] = {1};
  SmartPointer<INCObject> element;

  EXPECT_EQ(intArray.SetElement(1, first, Real(7.9).get()), Orv::ORV_SUCCESS);
  EXPECT_EQ(intArray.SetElement(1, second, Real(-7.9).get()), Orv::ORV_SUCCESS);
  intArray.GetElement(1, first, element);
  EXPECT_EQ(TextOf(element), "7");
  intArray.GetElement(1, second, element);
  EXPECT_EQ(TextOf(element), "-7");
  EXPECT_NE(intArray.SetElement(1, first, Real(3e10).get()), Orv::ORV_SUCCESS);
  EXPECT_NE(intArray.SetElement(1, first, Text("1").get()), Orv::ORV_SUCCESS);
  EXPECT_NE(intArray.SetElement(1, first, nullptr), Orv::ORV_SUCCESS);

  auto& realArray = dynamic_cast<Orv::INCArray&>(*reals);
  EXPECT_EQ(realArray.SetElement(1, first, Int(4).get()), Orv::ORV_SUCCESS);
  realArray.GetElement(1, first, element);
  EXPECT_EQ(TextOf(element), "4.0");
}

class HostStructures : public HostValues {
 protected:
  // (Count INT, Size REAL, On BOOL, Name STRING, Row ARRAY(REAL,2))
  SmartPointer<Orv::INCStructType> Record() {
    const SmartPointer<Orv::INCType> types[] = {Basic(Code::Int), Basic(Code::Real), Basic(Code::Bool),
                                                Basic(Code::String), ArrayOf(Code::Real, {2})};
    const Orv::StructMemberDeclaration members[] = {{types[0].get(), "Count"},
                                                    {types[1].get(), "Size"},
                                                    {types[2].get(), "On"},
                                                    {types[3].get(), "Name"},
                                                    {types[4].get(), "Row"}};
    SmartPointer<Orv::INCStructType> type;
    StructTypeFactory().CreateStructType(5, members, 0, type);
    return type;
  }
  static SmartPointer<INCObject> Member(Orv::INCStruct& structure, const char* name) {
    SmartPointer<INCObject> member;
    EXPECT_EQ(structure.GetMember(name, member), Orv::ORV_SUCCESS) << name;
    return member;
  }
};

TEST_F(HostStructures, MembersKeepTheirOrderAndStartAtTheirDefaults) {
  const auto type = Record();
  ASSERT_EQ(type->GetMemberCount(), 5);
  String name;
  type->GetMemberName(4, name);
  EXPECT_EQ(name, "Row");
  EXPECT_NE(type->GetMemberName(5, name), Orv::ORV_SUCCESS);

  SmartPointer<Orv::INCStruct> value;
  ASSERT_EQ(type->CreateValue(value), Orv::ORV_SUCCESS);
  EXPECT_EQ(TextOf(Member(*value, "Count")), "0");
  EXPECT_EQ(TextOf(Member(*value, "Size")), "0.0");
  EXPECT_EQ(TextOf(Member(*value, "On")), "FALSE");
  EXPECT_EQ(TextOf(Member(*value, "Name")), "");
  SmartPointer<INCObject> missing;
  EXPECT_NE(value->GetMember("count", missing), Orv::ORV_SUCCESS);
  EXPECT_NE(value->SetMember("Count", Text("1").get()), Orv::ORV_SUCCESS);
}

TEST_F(HostStructures, ACloneSharesNothingThatCanChange) {
  SmartPointer<Orv::INCStruct> original;
  Record()->CreateValue(original);
  SmartPointer<INCObject> copy;
  ASSERT_EQ(original->Clone(copy), Orv::ORV_SUCCESS);
  auto& clone = dynamic_cast<Orv::INCStruct&>(*copy);

  clone.SetMember("Count", Int(5).get());
  const std::int32_t first[] = {0};
  dynamic_cast<Orv::INCArray&>(*Member(clone, "Row")).SetElement(1, first, Real(2.5).get());

  EXPECT_EQ(TextOf(Member(clone, "Count")), "5");
  EXPECT_EQ(TextOf(Member(*original, "Count")), "0");
  SmartPointer<INCObject> element;
  dynamic_cast<Orv::INCArray&>(*Member(*original, "Row")).GetElement(1, first, element);
  EXPECT_EQ(TextOf(element), "0.0");
}

// Copies of an array of basic values share its elements until one of them
// stores one; whichever is written, the other keeps what it had.
TEST_F(HostStructures, ACloneAndItsOriginalStayApartWhicheverIsWrittenLater) {
  SmartPointer<Orv::INCStruct> original;
  Record()->CreateValue(original);
  const auto row = Member(*original, "Row");
  auto& originalRow = dynamic_cast<Orv::INCArray&>(*row);
  const std::int32_t first[] = {0};
  const std::int32_t second[] = {1};
  originalRow.SetElement(1, first, Real(1.5).get());
  SmartPointer<INCObject> copy;
  ASSERT_EQ(original->Clone(copy), Orv::ORV_SUCCESS);
  auto& cloneRow = dynamic_cast<Orv::INCArray&>(*Member(dynamic_cast<Orv::INCStruct&>(*copy), "Row"));

  // The row was taken from the original before the clone was made.
  originalRow.SetElement(1, first, Real(2.5).get());
  cloneRow.SetElement(1, second, Real(3.5).get());
  const auto text = [](Orv::INCArray& array, const std::int32_t* index) {
    SmartPointer<INCObject> element;
    EXPECT_EQ(array.GetElement(1, index, element), Orv::ORV_SUCCESS);
    return TextOf(element);
  };
  EXPECT_EQ(text(originalRow, first), "2.5");
  EXPECT_EQ(text(originalRow, second), "0.0");
  EXPECT_EQ(text(cloneRow, first), "1.5");
  EXPECT_EQ(text(cloneRow, second), "3.5");
}

// The elements of a new array of numbers start as one zero, and of an array
// of structures each as a structure of its own.
TEST_F(HostStructures, ElementsOfANewArrayAreWrittenOneByOne) {
  SmartPointer<INCObject> ints;
  ArrayOf(Code::Int, {3})->CreateValue(ints);
  auto& intArray = dynamic_cast<Orv::INCArray&>(*ints);
  const std::int32_t indices[][1] = {{0}, {1}, {2}};
  intArray.SetElement(1, indices[1], Int(4).get());
  SmartPointer<INCObject> element;
  for (std::int32_t i = 0; i < 3; ++i) {
    intArray.GetElement(1, indices[i], element);
    EXPECT_EQ(TextOf(element), i == 1 ? "4" : "0") << i;
  }

  SmartPointer<Orv::INCArrayType> recordsType;
  const std::int32_t two = 2;
  ArrayTypeFactory().CreateArrayType(Record().get(), 1, &two, false, true, recordsType);
  SmartPointer<INCObject> records;
  ASSERT_EQ(recordsType->CreateValue(records), Orv::ORV_SUCCESS);
  auto& recordArray = dynamic_cast<Orv::INCArray&>(*records);
  SmartPointer<INCObject> firstRecord, secondRecord;
  recordArray.GetElement(1, indices[0], firstRecord);
  recordArray.GetElement(1, indices[1], secondRecord);
  dynamic_cast<Orv::INCStruct&>(*firstRecord).SetMember("Count", Int(7).get());
  EXPECT_EQ(TextOf(Member(dynamic_cast<Orv::INCStruct&>(*firstRecord), "Count")), "7");
  EXPECT_EQ(TextOf(Member(dynamic_cast<Orv::INCStruct&>(*secondRecord), "Count")), "0");
}

TEST_F(HostStructures, NewValuesCopyTheDefaultValueGiven) {
  const auto type = Record();
  SmartPointer<Orv::INCStruct> model;
  type->CreateValue(model);
  model->SetMember("Size", Real(1.5).get());
  ASSERT_EQ(type->SetDefaultValue(model.get()), Orv::ORV_SUCCESS);
  model->SetMember("Size", Real(9.0).get());

  SmartPointer<Orv::INCStruct> made;
  type->CreateValue(made);
  EXPECT_EQ(TextOf(Member(*made, "Size")), "1.5");

  SmartPointer<Orv::INCStruct> foreign;
  Record()->CreateValue(foreign);
  EXPECT_NE(type->SetDefaultValue(foreign.get()), Orv::ORV_SUCCESS);
}

TEST_F(HostStructures, UpdateHandlesRecordTheirCalls) {
  SmartPointer<Orv::INCStruct> value;
  Record()->CreateValue(value);
  SmartPointer<Orv::IUpdateHandle> handle;
  ASSERT_EQ(value->GetUpdateHandle(handle), Orv::ORV_SUCCESS);
  handle->SetUpdating(false);
  handle->SetUpdating(true);
  EXPECT_EQ(UpdatingCalls(*value), (std::vector<bool>{false, true}));
}

TEST_F(HostStructures, TypesCompareByIdentityExceptBasicTypes) {
  EXPECT_EQ(Basic(Code::Real)->CompareType(Basic(Code::Real).get()), 0);
  EXPECT_EQ(Basic(Code::Real)->CompareType(Basic(Code::Real3).get()), 1);
  const auto type = Record();
  EXPECT_EQ(type->CompareType(type.get()), 0);
  EXPECT_EQ(type->CompareType(Record().get()), 1);
  EXPECT_EQ(type->CompareType(Basic(Code::Int).get()), 1);
}

// An array is refused by the host values its elements would hold, so that
// one declaration of structures cannot take the memory of the process.
TEST_F(HostStructures, ArraysAreBoundedByTheValuesTheirElementsHold) {
  const auto accepts = [](Orv::INCType* element, std::vector<std::int32_t> sizes) {
    SmartPointer<Orv::INCArrayType> type;
    return ArrayTypeFactory().CreateArrayType(element, static_cast<std::int32_t>(sizes.size()), sizes.data(), false,
                                              true, type) == Orv::ORV_SUCCESS &&
           type;
  };
  const auto real = Basic(Code::Real);
  EXPECT_TRUE(accepts(real.get(), {1024, 1024}));
  EXPECT_FALSE(accepts(real.get(), {1024, 1025}));
  EXPECT_FALSE(accepts(real.get(), {65536, 65536}));
  EXPECT_TRUE(accepts(real.get(), {0, 65536}));

  // A record is itself, four basic values and an array of two.
  const auto record = Record();
  EXPECT_TRUE(accepts(record.get(), {512, 256}));
  EXPECT_FALSE(accepts(record.get(), {512, 257}));

  // An array of a thousand reals is itself and its elements.
  const auto thousand = ArrayOf(Code::Real, {1000});
  EXPECT_TRUE(accepts(thousand.get(), {1047}));
  EXPECT_FALSE(accepts(thousand.get(), {1048}));
}

TEST(HostTypeRegistry, FindsEachNameAndNamesATypeByItsFirstNameInOrder) {
  TypeRegistry registry;
  const Orv::SmartPointer<Orv::INCType> frame(new BasicType(Orv::BasicType::Real));
  const Orv::SmartPointer<Orv::INCType> axis(new BasicType(Orv::BasicType::Int));
  for (const char* name : {"ZONE", "FRAME", "MYFRAME", "AXIS"}) {
    ASSERT_EQ(registry.RegisterType(name, std::string_view(name) == "AXIS" ? axis.get() : frame.get()),
              Orv::ORV_SUCCESS);
  }
  Orv::SmartPointer<Orv::INCType> found;
  ASSERT_EQ(registry.FindType("MYFRAME", found), Orv::ORV_SUCCESS);
  EXPECT_EQ(found.get(), frame.get());
  EXPECT_NE(registry.FindType("frame", found), Orv::ORV_SUCCESS);
  ASSERT_NE(registry.NameOf(frame.get()), nullptr);
  EXPECT_EQ(*registry.NameOf(frame.get()), "FRAME");
  // A name registered again names the new type only.
  ASSERT_EQ(registry.RegisterType("FRAME", axis.get()), Orv::ORV_SUCCESS);
  EXPECT_EQ(*registry.NameOf(frame.get()), "MYFRAME");
  EXPECT_EQ(*registry.NameOf(axis.get()), "AXIS");
  EXPECT_EQ(registry.NameOf(nullptr), nullptr);
}

}  // namespace
}  // namespace Velkor::OrvReference
