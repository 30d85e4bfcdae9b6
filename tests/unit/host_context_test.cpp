// The execution context: the classes and result types of the nodes its
// factories make, the names it knows, evaluation during a parse and while a
// program runs (host functions and controller methods), and its variable
// scope.
#include <gtest/gtest.h>

#include <memory>

#include "host_constants.h"
#include "orvref/live_objects.h"
#include "orvref/parse_context.h"
#include "trace/trace_forms.h"
#include "values/basic_type.h"

namespace Velkor::OrvReference {
namespace {

using Orv::INCExpression;
using Orv::INCObjectExpression;
using Orv::SmartPointer;
using Expression = SmartPointer<INCObjectExpression>;
namespace Code = Orv::BasicType;

// Stands in for the plug-in's method mapper: CreateFrame gives a FRAME,
// ResetControllerState has no value, Echo gives back its first argument and
// Fail fails with a message. It keeps the last argument table.
class FakeMethods final : public Orv::IMethodMapper {
 public:
  bool IsMethod(const Orv::String& name) override {
    return name == "CreateFrame" || name == "ResetControllerState" || name == "Echo" || name == "Fail";
  }
  bool GetMethodReturnType(const Orv::String& name, Orv::IExecutionContext* context,
                           SmartPointer<Orv::INCType>& type) override {
    if (name == "CreateFrame") return context->GetTypeRegistry()->FindType("FRAME", type) == Orv::ORV_SUCCESS;
    if (name == "ResetControllerState") return true;
    SmartPointer<Orv::INCBasicType> basic;
    context->GetValueFactory()->GetBasicType(Code::Int, basic);
    type = basic;
    return true;
  }
  Orv::TResult EvaluateMethod(const Orv::String& name, SmartPointer<Orv::ArgumentTable> arguments,
                              Orv::IExecutionContext*, SmartPointer<Orv::INCObject>& result, std::uint32_t& status,
                              Orv::String& message) override {
    lastArguments = arguments;
    status = 1;
    if (name == "Fail") {
      status = 0;
      message = "It failed.";
      return 2;
    }
    if (name == "Echo") arguments->GetArgument(0, result);
    return Orv::ORV_SUCCESS;
  }

  SmartPointer<Orv::ArgumentTable> lastArguments;
};

class HostContext : public ::testing::Test, protected HostConstants {
 protected:
  HostContext() {
    SmartPointer<Orv::INCBasicType> text;
    values_->GetBasicType(Code::String, text);
    const Orv::StructMemberDeclaration name{text.get(), "Name"};
    context_->GetStructTypeFactory()->CreateStructType(1, &name, 0, axis_);
    context_->types().RegisterType("FRAME", axis_.get());
    context_->scope().DeclareStruct("AX", axis_.get());
    context_->scope().DeclareScalar("I", Code::Int);
  }

  void TearDown() override {
    methods_.lastArguments.reset();
    axis_.reset();
    values_.reset();
    expressions_.reset();
    context_.reset();
    EXPECT_EQ(LiveObjectCount(), startCount_);
  }

  Orv::IExecutionContext& FactoryContext() override { return *context_; }

  Expression Binary(const Expression& a, const Expression& b, std::int32_t op) {
    Expression result;
    expressions_->CreateBinaryExpression(AsValue(a), AsValue(b), op, result);
    return result;
  }
  Expression Call(const char* name, std::vector<Expression> arguments) {
    std::vector<INCExpression*> raw;
    for (const auto& argument : arguments) raw.push_back(AsValue(argument));
    Expression result;
    expressions_->CreateFunctionExpression(static_cast<std::int32_t>(raw.size()), raw.data(), name, result);
    return result;
  }
  Expression Method(const char* name, std::vector<Expression> arguments) {
    std::vector<INCObjectExpression*> raw;
    for (const auto& argument : arguments) raw.push_back(argument.get());
    Expression result;
    context_->GetMethodCallFactory()->CreateMethodExpression(static_cast<std::int32_t>(raw.size()), raw.data(), name,
                                                             result);
    return result;
  }
  Expression RElement(const Expression& index) { return Element("$R", index); }
  Expression Element(const char* arrayName, const Expression& index) {
    Expression array, element;
    context_->GetLValueFactory()->CreateArrayExpression(arrayName, array);
    INCExpression* indices[] = {AsValue(index)};
    expressions_->CreateElementExpression(array.get(), 1, indices, element);
    return element;
  }
  static INCExpression* AsValue(const Expression& e) { return dynamic_cast<INCExpression*>(e.get()); }

  static std::int32_t TypeOf(const Expression& e) {
    std::int32_t code = -1;
    EXPECT_EQ(e->GetType(code), Orv::ORV_SUCCESS) << ExpressionText(e.get());
    return code;
  }

  // The text form of the value while the program runs, or ERROR and why.
  std::string Run(const Expression& e) {
    SmartPointer<Orv::INCObject> value;
    std::string message;
    if (!context_->Evaluate(e.get(), value, message)) return "ERROR " + message;
    Orv::String text;
    if (!value) return "none";
    dynamic_cast<Orv::INCValue&>(*value).GetString(text);
    return text.c_str();
  }

  const std::int64_t startCount_ = LiveObjectCount();
  std::unique_ptr<ExecutionContext> context_ = std::make_unique<ExecutionContext>();
  SmartPointer<Orv::IValueFactory> values_ = context_->GetValueFactory();
  SmartPointer<Orv::IExpressionFactory> expressions_ = context_->GetExpressionFactory();
  // Registered as FRAME: a structure type whose only member is "Name".
  SmartPointer<Orv::INCStructType> axis_;
  FakeMethods methods_;
};

TEST_F(HostContext, NodesHaveTheClassOfWhatTheyDenote) {
  context_->SetMethodMapper(&methods_);
  Expression conversion, structure, member, unknownMethod;
  expressions_->CreateConversionExpression(AsValue(Int(1)), Code::Real, conversion);
  context_->GetMethodCallFactory()->CreateStructVariableExpression("AX", structure);
  expressions_->CreateMemberExpression(structure.get(), "Name", member);
  Expression variable;
  expressions_->CreateVariableExpression("I", variable);

  for (const Expression& value : {Int(1), conversion, Binary(Int(1), Int(2), 0), Call("STRLEN", {Text("A")}),
                                  Method("Echo", {}), Method("Unknown", {})}) {
    EXPECT_TRUE(AsValue(value)) << ExpressionText(value.get());
    EXPECT_FALSE(dynamic_cast<Orv::INCLValue*>(value.get())) << ExpressionText(value.get());
  }
  for (const Expression& assignable : {variable, RElement(Int(1)), member}) {
    EXPECT_TRUE(dynamic_cast<Orv::INCLValue*>(assignable.get())) << ExpressionText(assignable.get());
  }
  for (const Expression& whole : {structure, Method("CreateFrame", {})}) {
    EXPECT_TRUE(dynamic_cast<Orv::INCStructExpression*>(whole.get())) << ExpressionText(whole.get());
  }
}

TEST_F(HostContext, ResultTypesFollowOperandsAndNames) {
  context_->SetMethodMapper(&methods_);
  EXPECT_EQ(TypeOf(Binary(Int(1), Int(2), 2)), Code::Int);
  EXPECT_EQ(TypeOf(Binary(Int(1), Real(2), 0)), Code::Real);
  EXPECT_EQ(TypeOf(Binary(Text("a"), Text("b"), 0)), Code::String);
  EXPECT_EQ(TypeOf(Binary(Text("a"), Text("b"), 14)), Code::Bool);
  EXPECT_EQ(TypeOf(Call("SUBSTR", {Text("A"), Int(0)})), Code::String);
  EXPECT_EQ(TypeOf(RElement(Int(1))), Code::Real);
  EXPECT_EQ(TypeOf(Method("Echo", {})), Code::Int);

  std::int32_t code = 0;
  SmartPointer<Orv::INCType> type;
  const Expression frame = Method("CreateFrame", {});
  EXPECT_NE(frame->GetType(code), Orv::ORV_SUCCESS);
  ASSERT_EQ(frame->GetResultType(type), Orv::ORV_SUCCESS);
  EXPECT_EQ(type.get(), axis_.get());
  for (const Expression& unknown :
       {Method("Unknown", {}), Method("ResetControllerState", {}), Binary(Text("a"), Int(1), 2)}) {
    EXPECT_NE(unknown->GetType(code), Orv::ORV_SUCCESS) << ExpressionText(unknown.get());
    EXPECT_NE(unknown->GetResultType(type), Orv::ORV_SUCCESS) << ExpressionText(unknown.get());
  }

  // A basic result is a basic type of its code, the same object each time.
  const Expression sum = Binary(Int(1), Real(2), 0);
  SmartPointer<Orv::INCType> again;
  ASSERT_EQ(sum->GetResultType(type), Orv::ORV_SUCCESS);
  ASSERT_EQ(sum->GetResultType(again), Orv::ORV_SUCCESS);
  EXPECT_EQ(type.get(), again.get());
  ASSERT_TRUE(BasicTypeCode(type.get(), code));
  EXPECT_EQ(code, Code::Real);
}

TEST_F(HostContext, ElementsHaveTheElementTypeOfTheArrayDeclared) {
  SmartPointer<Orv::INCBasicType> text;
  values_->GetBasicType(Code::String, text);
  const std::int32_t size = 3;
  SmartPointer<Orv::INCArrayType> texts;
  context_->GetArrayTypeFactory()->CreateArrayType(text.get(), 1, &size, false, true, texts);
  context_->scope().DeclareArray("NAMES", texts.get());
  EXPECT_EQ(TypeOf(Element("NAMES", Int(1))), Code::String);
  EXPECT_EQ(TypeOf(RElement(Int(1))), Code::Real);

  // An undeclared name, a scalar and a structure have no elements of any type.
  for (const char* name : {"UNDECLARED", "I", "AX"}) {
    const Expression element = Element(name, Int(1));
    ASSERT_TRUE(element) << name;
    std::int32_t code = 0;
    SmartPointer<Orv::INCType> type;
    EXPECT_NE(element->GetType(code), Orv::ORV_SUCCESS) << name;
    EXPECT_NE(element->GetResultType(type), Orv::ORV_SUCCESS) << name;
  }
}

// Each operand list is taken whole, an absent operand kept as such; a
// negative count or a missing array refuses the node.
TEST_F(HostContext, NodesTakeTheirOperandListsWholeOrNotAtAll) {
  Expression array, made;
  context_->GetLValueFactory()->CreateArrayExpression("$R", array);
  const Expression one = Int(1), two = Int(2);
  INCExpression* indices[] = {AsValue(one), AsValue(two)};
  ASSERT_EQ(expressions_->CreateElementExpression(array.get(), 2, indices, made), Orv::ORV_SUCCESS);
  EXPECT_EQ(ExpressionText(made.get()), "(elem (array $R) 1 2)");
  INCExpression* withAbsent[] = {AsValue(one), nullptr};
  ASSERT_EQ(expressions_->CreateFunctionExpression(2, withAbsent, "SUBSTR", made), Orv::ORV_SUCCESS);
  EXPECT_EQ(ExpressionText(made.get()), "(call SUBSTR 1 _)");
  ASSERT_EQ(expressions_->CreateFunctionExpression(0, nullptr, "STRLEN", made), Orv::ORV_SUCCESS);
  EXPECT_EQ(ExpressionText(made.get()), "(call STRLEN)");

  INCObjectExpression* const objects[] = {one.get()};
  const SmartPointer<Orv::IMethodCallFactory> calls = context_->GetMethodCallFactory();
  for (const std::int32_t count : {-1, 1}) {
    made.reset();
    EXPECT_NE(expressions_->CreateElementExpression(array.get(), count, count < 0 ? indices : nullptr, made),
              Orv::ORV_SUCCESS);
    EXPECT_NE(expressions_->CreateFunctionExpression(count, count < 0 ? indices : nullptr, "SUBSTR", made),
              Orv::ORV_SUCCESS);
    EXPECT_NE(expressions_->CreateObjectFunctionExpression(count, count < 0 ? objects : nullptr, "SUBSTR", made),
              Orv::ORV_SUCCESS);
    EXPECT_NE(calls->CreateMethodExpression(count, count < 0 ? objects : nullptr, "Echo", made), Orv::ORV_SUCCESS);
    EXPECT_NE(calls->CreateStructElementExpression(array.get(), count, count < 0 ? indices : nullptr, made),
              Orv::ORV_SUCCESS);
    EXPECT_FALSE(made) << count;
  }
}

TEST_F(HostContext, KnowsHostFunctionsAndTheMappersMethodsCaseSensitively) {
  for (const char* name : {"SUBSTR", "STRLEN", "INTERSEC", "IsEqualObject", "GetDefaultXGeoAxis", "GetDefaultYGeoAxis",
                           "GetDefaultZGeoAxis", "INDEX", "ISAXIS", "ISFILE", "GETT"}) {
    EXPECT_TRUE(context_->IsDefined(name)) << name;
  }
  // Names that begin as a function's name does, and names no function's
  // name begins with.
  for (const char* name : {"substr", "SUBSTRING", "GET", "S", "isEqualObject", "$R", "R", ""}) {
    EXPECT_FALSE(context_->IsDefined(name)) << name;
  }
  EXPECT_FALSE(context_->IsDefined("CreateFrame"));
  context_->SetMethodMapper(&methods_);
  EXPECT_TRUE(context_->IsDefined("CreateFrame"));
  EXPECT_TRUE(context_->IsDefined("ResetControllerState"));

  SmartPointer<Orv::INCType> type;
  ASSERT_EQ(context_->GetNameType("GetDefaultZGeoAxis", type), Orv::ORV_SUCCESS);
  EXPECT_EQ(dynamic_cast<Orv::INCBasicType&>(*type).GetTypeCode(), Code::Int);
  ASSERT_EQ(context_->GetNameType("CreateFrame", type), Orv::ORV_SUCCESS);
  EXPECT_EQ(type.get(), axis_.get());
  EXPECT_NE(context_->GetNameType("ResetControllerState", type), Orv::ORV_SUCCESS);
  EXPECT_NE(context_->GetNameType("Unknown", type), Orv::ORV_SUCCESS);
}

TEST_F(HostContext, DuringAParseOnlyConstantsAndOperatorsHaveValues) {
  SmartPointer<Orv::INCValue> value;
  ASSERT_EQ(AsValue(Binary(Binary(Int(2), Int(3), 0), Int(4), 2))->Evaluate(value), Orv::ORV_SUCCESS);
  std::int32_t integer = 0;
  value->GetInteger(integer);
  EXPECT_EQ(integer, 20);
  Expression conversion, variable;
  expressions_->CreateConversionExpression(AsValue(Int(7)), Code::String, conversion);
  ASSERT_EQ(AsValue(conversion)->Evaluate(value), Orv::ORV_SUCCESS);
  Orv::String text;
  value->GetString(text);
  EXPECT_EQ(text, "7");

  expressions_->CreateVariableExpression("I", variable);
  EXPECT_NE(AsValue(variable)->Evaluate(value), Orv::ORV_SUCCESS);
  EXPECT_NE(AsValue(Call("STRLEN", {Text("A")}))->Evaluate(value), Orv::ORV_SUCCESS);
  EXPECT_NE(AsValue(Binary(Int(1), Int(0), 3))->Evaluate(value), Orv::ORV_SUCCESS);
}

TEST_F(HostContext, OperatorsComputeAsTheProgramWould) {
  EXPECT_EQ(Run(Binary(Int(7), Int(2), 3)), "3");
  EXPECT_EQ(Run(Binary(Int(-7), Int(2), 4)), "-1");
  EXPECT_EQ(Run(Binary(Real(7), Int(2), 3)), "3.5");
  EXPECT_EQ(Run(Binary(Text("AB"), Text("C"), 0)), "ABC");
  EXPECT_EQ(Run(Binary(Int(10), Real(10), 10)), "TRUE");
  EXPECT_EQ(Run(Binary(Int(6), Int(3), 9)), "5");
  EXPECT_EQ(Run(Binary(Int(1), Real(0), 3)), "ERROR Division by zero.");
  EXPECT_EQ(Run(Binary(Int(2147483647), Int(1), 0)), "ERROR The result exceeds the range of INT.");
  EXPECT_EQ(Run(Binary(Text("A"), Int(1), 1)), "ERROR The operator - does not apply to STRING and INT.");
  Expression sine, root;
  expressions_->CreateUnaryExpression(AsValue(Int(90)), 1, sine);
  EXPECT_EQ(Run(sine), "1.0");
  expressions_->CreateUnaryExpression(AsValue(Int(-1)), 15, root);
  EXPECT_EQ(Run(root), "ERROR SQRT takes numbers of 0 or more.");
}

TEST_F(HostContext, ElementsAreReadAndWrittenWithinTheirBounds) {
  const Expression element = RElement(Real(5.9));
  SmartPointer<Orv::INCValue> value;
  values_->CreateIntValue(3, value);
  ASSERT_EQ(dynamic_cast<Orv::INCLValue&>(*element).Assign(value.get()), Orv::ORV_SUCCESS);
  EXPECT_EQ(Run(RElement(Int(5))), "3.0");
  EXPECT_EQ(Run(RElement(Int(100))), "ERROR Array bounds exceeded.");
  EXPECT_EQ(Run(RElement(Text("1"))), "ERROR A STRING cannot be converted to INT.");
}

TEST_F(HostContext, HostFunctionsComputeTheirResults) {
  EXPECT_EQ(Run(Call("SUBSTR", {Text("ABCDE"), Int(1), Int(3)})), "BCD");
  EXPECT_EQ(Run(Call("SUBSTR", {Text("ABCDE"), Int(3)})), "DE");
  EXPECT_EQ(Run(Call("SUBSTR", {Text("ABC"), Int(4)})), "ERROR SUBSTR: the position lies outside the text.");
  EXPECT_EQ(Run(Call("STRLEN", {Text("ABC")})), "3");
  EXPECT_EQ(Run(Call("INDEX", {Text("ABC"), Text("C")})), "2");
  EXPECT_EQ(Run(Call("INDEX", {Text("ABC"), Text("D")})), "-1");
  EXPECT_EQ(Run(Call("IsEqualObject", {Int(10), Real(10)})), "TRUE");
  EXPECT_EQ(Run(Call("IsEqualObject", {Text("10"), Int(10)})), "FALSE");
  EXPECT_EQ(Run(Call("GetDefaultYGeoAxis", {})), "1");
  context_->channel().SetGeometryAxes({"X", "Y"});
  EXPECT_EQ(Run(Call("GetDefaultZGeoAxis", {})), "-1");
  EXPECT_EQ(Run(Call("ISAXIS", {Int(2)})), "TRUE");
  EXPECT_EQ(Run(Call("ISAXIS", {Int(3)})), "FALSE");
  EXPECT_EQ(Run(Call("GETT", {Text("DRILL"), Int(1)})),
            "ERROR GETT reads the tool tables of a machine; the reference host has none.");
  EXPECT_EQ(Run(Call("NOSUCH", {})), "ERROR Unknown function 'NOSUCH'.");
}

TEST_F(HostContext, StructuresCompareByValue) {
  SmartPointer<Orv::INCStruct> a, b;
  axis_->CreateValue(a);
  axis_->CreateValue(b);
  SmartPointer<Orv::INCValue> x;
  values_->CreateStringValue("X", x);
  a->SetMember("Name", x.get());
  SmartPointer<Orv::INCValue> refA, refB;
  values_->CreateReferenceValue(a.get(), refA);
  values_->CreateReferenceValue(b.get(), refB);
  const Expression equal = Call("IsEqualObject", {Constant(refA), Constant(refB)});
  EXPECT_EQ(Run(equal), "FALSE");
  b->SetMember("Name", x.get());
  EXPECT_EQ(Run(equal), "TRUE");
}

TEST_F(HostContext, MethodsRunThroughTheMapperWithEvaluatedArguments) {
  context_->SetMethodMapper(&methods_);
  Expression variable;
  expressions_->CreateVariableExpression("I", variable);
  SmartPointer<Orv::INCValue> reference;
  values_->CreateReferenceValue(variable.get(), reference);
  EXPECT_EQ(Run(Method("Echo", {Binary(Int(1), Int(2), 0), nullptr, Constant(reference)})), "3");
  ASSERT_EQ(methods_.lastArguments->GetArgumentCount(), 3);
  SmartPointer<Orv::INCObject> argument;
  methods_.lastArguments->GetArgument(1, argument);
  EXPECT_FALSE(argument);
  methods_.lastArguments->GetArgument(2, argument);
  EXPECT_EQ(argument.get(), reference.get());

  EXPECT_EQ(Run(Method("ResetControllerState", {})), "none");
  EXPECT_EQ(Run(Method("Fail", {})), "ERROR It failed.");
}

TEST_F(HostContext, MatrixArgumentsAreCarriedByReferenceValues) {
  context_->SetMethodMapper(&methods_);
  Orv::Matrix moved;
  moved.Trans({1, 2, 3});
  SmartPointer<Orv::INCValue> matrix, number;
  values_->CreateReferenceValue(new Orv::NCMCLMatrix(moved), matrix);
  values_->CreateIntValue(1, number);
  Run(Method("Echo", {Constant(matrix), Constant(number)}));
  Orv::Matrix received;
  ASSERT_EQ(methods_.lastArguments->GetMatrixArgument(0, received), Orv::ORV_SUCCESS);
  EXPECT_EQ(received.GetTranslation(2), 3.0);
  EXPECT_NE(methods_.lastArguments->GetMatrixArgument(1, received), Orv::ORV_SUCCESS);
  EXPECT_NE(methods_.lastArguments->GetMatrixArgument(2, received), Orv::ORV_SUCCESS);
}

TEST_F(HostContext, TheScopeHandsOutLiveScalars) {
  Orv::IVariableScope& scope = *context_->GetVariableScope();
  SmartPointer<Orv::INCLValue> variable;
  ASSERT_EQ(scope.GetScalarVariable("I", variable), Orv::ORV_SUCCESS);
  SmartPointer<Orv::INCValue> value;
  values_->CreateRealValue(4.7, value);
  ASSERT_EQ(variable->Assign(value.get()), Orv::ORV_SUCCESS);
  values_->CreateStringValue("4", value);
  EXPECT_NE(variable->Assign(value.get()), Orv::ORV_SUCCESS);
  SmartPointer<Orv::INCLValue> again;
  scope.GetScalarVariable("I", again);
  ASSERT_EQ(again->GetValue(value), Orv::ORV_SUCCESS);
  std::int32_t integer = 0;
  value->GetInteger(integer);
  EXPECT_EQ(integer, 4);

  EXPECT_NE(scope.CheckOtherVariable("I"), Orv::ORV_SUCCESS);
  EXPECT_NE(scope.GetScalarVariable("AX", variable), Orv::ORV_SUCCESS);
  scope.SetScopeSwitchB(false);
  EXPECT_EQ(context_->scope().scopeSwitchB(), false);
  EXPECT_FALSE(context_->scope().scopeSwitchA().has_value());
}

}  // namespace
}  // namespace Velkor::OrvReference
