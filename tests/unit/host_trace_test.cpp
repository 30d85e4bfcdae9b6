// The block trace of the recording parse context: the prefix form of every
// node kind, the argument lists, every item line, the synchronisation mode
// printed only on change, and declarations entered into the scope at once.
#include <gtest/gtest.h>

#include "host_constants.h"
#include "orvref/live_objects.h"
#include "orvref/parse_context.h"
#include "trace/trace_forms.h"

namespace Velkor::OrvReference {
namespace {

using Orv::INCExpression;
using Orv::INCObjectExpression;
using Orv::SmartPointer;
using Expression = SmartPointer<INCObjectExpression>;
namespace Code = Orv::BasicType;

class HostTrace : public ::testing::Test, protected HostConstants {
 protected:
  HostTrace() {
    // A stand-in for the controller's FRAME: one array member "TR".
    SmartPointer<Orv::INCBasicType> real;
    values_->GetBasicType(Code::Real, real);
    const std::int32_t size = 6;
    context_.GetArrayTypeFactory()->CreateArrayType(real.get(), 1, &size, false, true, component_);
    const Orv::StructMemberDeclaration member{component_.get(), "TR"};
    context_.GetStructTypeFactory()->CreateStructType(1, &member, 0, frame_);
    context_.types().RegisterType("FRAME", frame_.get());
    context_.scope().DeclareStruct("F", frame_.get());
    context_.scope().DeclareScalar("R", Code::Real);
  }

  ~HostTrace() override {
    frame_.reset();
    component_.reset();
  }

  Orv::IExecutionContext& FactoryContext() override { return context_; }

  Expression Variable(const char* name) {
    Expression result;
    expressions_->CreateVariableExpression(name, result);
    return result;
  }
  static INCExpression* Value(const Expression& e) { return dynamic_cast<INCExpression*>(e.get()); }
  static std::string Form(const Expression& e) { return ExpressionText(e.get()); }

  ExecutionContext context_;
  SmartPointer<Orv::IValueFactory> values_ = context_.GetValueFactory();
  SmartPointer<Orv::IExpressionFactory> expressions_ = context_.GetExpressionFactory();
  SmartPointer<Orv::ILValueFactory> lvalues_ = context_.GetLValueFactory();
  SmartPointer<Orv::IMethodCallFactory> methods_ = context_.GetMethodCallFactory();
  SmartPointer<Orv::INCArrayType> component_;
  SmartPointer<Orv::INCStructType> frame_;
  RecordingParseContext recorder_{context_};
};

TEST_F(HostTrace, ConstantsPrintAsTheirValues) {
  EXPECT_EQ(Form(Int(7)), "7");
  EXPECT_EQ(Form(Int(-2)), "-2");
  EXPECT_EQ(Form(Real(7)), "7.0");
  EXPECT_EQ(Form(Real(2.5)), "2.5");
  EXPECT_EQ(Form(Real(-0.5)), "-0.5");
  EXPECT_EQ(Form(Real(1e20)), "1e+20");
  EXPECT_EQ(Form(Text("say \"hi\"\\\t")), R"("say \"hi\"\\\x09")");

  SmartPointer<Orv::INCValue> value;
  values_->CreateBoolValue(true, value);
  EXPECT_EQ(Form(Constant(value)), "TRUE");
  values_->CreateCharValue('c', value);
  EXPECT_EQ(Form(Constant(value)), "'c'");
  const Expression r = Variable("R");
  values_->CreateReferenceValue(r.get(), value);
  EXPECT_EQ(Form(Constant(value)), "&(var R)");
  values_->CreateReferenceValue(nullptr, value);
  EXPECT_EQ(Form(Constant(value)), "&_");
}

TEST_F(HostTrace, OperatorsAndConversionsArePrefixForms) {
  Expression e;
  expressions_->CreateConversionExpression(Value(Int(7)), Code::Real, e);
  EXPECT_EQ(Form(e), "(conv REAL 7)");
  expressions_->CreateUnaryExpression(Value(Variable("R")), 0, e);
  EXPECT_EQ(Form(e), "(neg (var R))");
  expressions_->CreateUnaryExpression(Value(Int(1)), 6, e);
  EXPECT_EQ(Form(e), "(u6 1)");
  expressions_->CreateBinaryExpression(Value(Int(1)), Value(Real(2)), 13, e);
  EXPECT_EQ(Form(e), "(>= 1 2.0)");
  expressions_->CreateBinaryExpression(Value(Int(1)), Value(Int(2)), 5, e);
  EXPECT_EQ(Form(e), "(b5 1 2)");
}

TEST_F(HostTrace, ReferencesAndCallsArePrefixForms) {
  Expression array, element, frame, component, frameElement, e;
  lvalues_->CreateArrayExpression("$R", array);
  EXPECT_EQ(Form(array), "(array $R)");
  const Expression one = Int(1), two = Int(2), a = Text("A");
  INCExpression* indices[] = {Value(one), Value(two)};
  expressions_->CreateElementExpression(array.get(), 2, indices, element);
  EXPECT_EQ(Form(element), "(elem (array $R) 1 2)");

  methods_->CreateStructVariableExpression("F", frame);
  EXPECT_EQ(Form(frame), "(struct F)");
  lvalues_->CreateFrameComponentExpression(frame.get(), "TR", component);
  EXPECT_EQ(Form(component), "(comp (struct F) TR)");
  expressions_->CreateElementExpression(component.get(), 1, indices, frameElement);
  EXPECT_EQ(Form(frameElement), "(elem (comp (struct F) TR) 1)");
  methods_->CreateStructElementExpression(array.get(), 1, indices, e);
  EXPECT_EQ(Form(e), "(selem (array $R) 1)");

  expressions_->CreateFunctionExpression(0, nullptr, "GetDefaultXGeoAxis", e);
  EXPECT_EQ(Form(e), "(call GetDefaultXGeoAxis)");
  INCExpression* withGap[] = {Value(a), nullptr};
  expressions_->CreateFunctionExpression(2, withGap, "SUBSTR", e);
  EXPECT_EQ(Form(e), "(call SUBSTR \"A\" _)");
  INCObjectExpression* objects[] = {frame.get(), frame.get()};
  expressions_->CreateObjectFunctionExpression(2, objects, "IsEqualObject", e);
  EXPECT_EQ(Form(e), "(ocall IsEqualObject (struct F) (struct F))");
  methods_->CreateMethodExpression(1, objects, "CreateAxis", e);
  EXPECT_EQ(Form(e), "(method CreateAxis (struct F))");
  methods_->CreateMethodExpressionFromObjects(0, nullptr, "MultiplyFrames", e);
  EXPECT_EQ(Form(e), "(omethod MultiplyFrames)");
}

TEST_F(HostTrace, ArgumentListsShowListAndNamedArguments) {
  EXPECT_EQ(ArgumentsText(nullptr), "-");
  const SmartPointer<Orv::ArgumentExpressionList> list(new Orv::ArgumentExpressionList());
  EXPECT_EQ(ArgumentsText(list.get()), "[] {}");
  list->AddListArgument(Int(1).get());
  list->AddListArgument(nullptr);
  list->RegisterMapArgument("Value", Text("N10").get());
  list->RegisterMapArgument("Flag", Text("").get());
  EXPECT_EQ(ArgumentsText(list.get()), R"([1, _] {Value="N10", Flag=""})");
}

TEST_F(HostTrace, ObjectsThatAreNoNodesPrintTheirKind) {
  SmartPointer<Orv::INCValue> number;
  values_->CreateIntValue(1, number);
  const SmartPointer<Orv::INCObject> matrix(new Orv::NCMCLMatrix(Orv::Matrix()));
  context_.scope().DeclareArray("ARR", component_.get());
  SmartPointer<Orv::INCArray> array;
  ASSERT_EQ(context_.scope().GetArrayVariable("ARR", array), Orv::ORV_SUCCESS);
  SmartPointer<Orv::INCStruct> structure;
  ASSERT_EQ(context_.scope().GetStructVariable("F", structure), Orv::ORV_SUCCESS);

  EXPECT_EQ(ExpressionText(number.get()), "OBJECT");
  EXPECT_EQ(ExpressionText(matrix.get()), "MATRIX");
  EXPECT_EQ(ExpressionText(array.get()), "ARRAY");
  EXPECT_EQ(ExpressionText(structure.get()), "STRUCT");
  EXPECT_EQ(ExpressionText(nullptr), "_");
}

TEST_F(HostTrace, EveryCallIsRecordedAsItsLine) {
  const SmartPointer<Orv::ArgumentExpressionList> list(new Orv::ArgumentExpressionList());
  list->RegisterMapArgument("Value", Text("N10").get());
  const Expression r = Variable("R");
  const Expression one = Int(1);
  const Expression label = Text("MARK");
  Expression condition;
  expressions_->CreateBinaryExpression(Value(r), Value(one), 12, condition);

  recorder_.SetSkipLevel(3);
  recorder_.AddLabel("N10");
  recorder_.AddCommand("LABEL", list.get(), 1);
  recorder_.AddCommand("G1", nullptr, 1);
  recorder_.AddComputedCommand(Value(one), nullptr, 0);
  recorder_.AddInternalCommand("Language_AC", nullptr);
  recorder_.AddAssignment(dynamic_cast<Orv::INCLValue*>(r.get()), Value(one));
  recorder_.AddGoto(Value(label), 0, 1);
  recorder_.AddConditionalGoto(Value(condition), Value(label), 2);
  recorder_.AddStructuredJump(Value(label), 1, "START", "END", 0);
  recorder_.AddStructuredConditionalJump(Value(condition), Value(label), 0, "START", "END");
  recorder_.BeginSynchronizedAction("1", Value(condition), 4);
  recorder_.CancelSynchronizedAction("3");
  context_.channel().DeclareSubprogram("SUB1");
  context_.channel().AddParameterMode("SUB1", 2);

  EXPECT_EQ(recorder_.Trace(),
            "SKIP 3\n"
            "LABEL N10\n"
            "COMMAND LABEL 1 [] {Value=\"N10\"}\n"
            "COMMAND G1 1 -\n"
            "COMPUTED 1 0 -\n"
            "INTERNAL Language_AC -\n"
            "ASSIGN (var R) 1\n"
            "GOTO \"MARK\" 0 1\n"
            "COND-GOTO (> (var R) 1) \"MARK\" 2\n"
            "JUMP \"MARK\" 1 START END 0\n"
            "COND-JUMP (> (var R) 1) \"MARK\" 0 START END\n"
            "SYNC-BEGIN \"1\" (> (var R) 1) 4\n"
            "SYNC-CANCEL \"3\"\n"
            "SUBPROGRAM SUB1\n"
            "PARAMETER-MODE SUB1 2\n");
  EXPECT_EQ(recorder_.items()[6].kind, RecordingParseContext::ItemKind::kAssignment);
  EXPECT_EQ(recorder_.items()[6].value.get(), one.get());
  EXPECT_EQ(recorder_.Line(recorder_.items()[6]), "ASSIGN (var R) 1");
  EXPECT_EQ(recorder_.Line(recorder_.items().back()), "PARAMETER-MODE SUB1 2");

  // A new block starts an empty trace.
  recorder_.BeginBlock();
  recorder_.AddLabel("N20");
  EXPECT_EQ(recorder_.Trace(), "LABEL N20\n");
  EXPECT_EQ(recorder_.Line(recorder_.items().front()), "LABEL N20");
}

TEST_F(HostTrace, TheSyncModeIsPrintedOnlyWhenItChanges) {
  recorder_.SetSyncMode(0);
  recorder_.SetSyncMode(1);
  recorder_.SetSyncMode(1);
  recorder_.SetSyncMode(0);
  EXPECT_EQ(recorder_.Trace(), "SYNC-MODE 1\nSYNC-MODE 0\n");
  recorder_.SetSyncMode(2);
  recorder_.BeginBlock();
  EXPECT_EQ(recorder_.GetSyncMode(), 0);
  recorder_.SetSyncMode(0);
  EXPECT_EQ(recorder_.Trace(), "");
}

TEST_F(HostTrace, DeclarationsShowTheirTypesAndEnterTheScope) {
  SmartPointer<Orv::INCBasicType> real;
  values_->GetBasicType(Code::Real, real);
  const std::int32_t five = 5;
  const std::int32_t twoByThree[] = {2, 3};
  SmartPointer<Orv::INCArrayType> reals, frames;
  context_.GetArrayTypeFactory()->CreateArrayType(real.get(), 1, &five, false, true, reals);
  context_.GetArrayTypeFactory()->CreateArrayType(frame_.get(), 2, twoByThree, false, true, frames);

  EXPECT_EQ(recorder_.DeclareVariable(Value(Text("A")), Code::Int, 3, nullptr), Orv::ORV_SUCCESS);
  EXPECT_EQ(recorder_.DeclareVariable(Value(Text("B")), Code::Real, 1, Value(Real(1.5))), Orv::ORV_SUCCESS);
  EXPECT_EQ(recorder_.DeclareArrayVariable(Value(Text("ARR")), reals.get(), 3), Orv::ORV_SUCCESS);
  EXPECT_EQ(recorder_.DeclareArrayVariable(Value(Text("FRAMES")), frames.get(), 2), Orv::ORV_SUCCESS);
  EXPECT_EQ(recorder_.DeclareArrayVariable(Value(Text("P")), nullptr, 3), Orv::ORV_SUCCESS);
  EXPECT_EQ(recorder_.DeclareStructVariable(Value(Text("G")), frame_.get(), 3), Orv::ORV_SUCCESS);
  EXPECT_EQ(recorder_.Trace(),
            "DECLARE A INT 3\n"
            "DECLARE B REAL 1 1.5\n"
            "DECLARE ARR ARRAY(REAL,5) 3\n"
            "DECLARE FRAMES ARRAY(FRAME,2,3) 2\n"
            "DECLARE P ? 3\n"
            "DECLARE G FRAME 3\n");

  Orv::IVariableScope& scope = *context_.GetVariableScope();
  EXPECT_EQ(scope.CheckScalarVariable("A"), Orv::ORV_SUCCESS);
  EXPECT_EQ(scope.CheckArrayVariable("ARR"), Orv::ORV_SUCCESS);
  EXPECT_EQ(scope.CheckStructVariable("G"), Orv::ORV_SUCCESS);
  EXPECT_EQ(scope.CheckArrayVariable("P"), Orv::ORV_SUCCESS);
  SmartPointer<Orv::INCArray> noElements;
  EXPECT_NE(scope.GetArrayVariable("P", noElements), Orv::ORV_SUCCESS);
  EXPECT_NE(scope.CheckScalarVariable("ARR"), Orv::ORV_SUCCESS);
}

TEST(HostTraceLifetime, EverythingIsReleasedWithTheContext) {
  const std::int64_t start = LiveObjectCount();
  {
    ExecutionContext context;
    RecordingParseContext recorder(context);
    SmartPointer<Orv::INCValue> value;
    context.GetValueFactory()->CreateStringValue("X", value);
    Expression name, element, array;
    context.GetExpressionFactory()->CreateConstantExpression(value.get(), name);
    recorder.DeclareVariable(dynamic_cast<INCExpression*>(name.get()), Code::Int, 3, nullptr);
    context.GetLValueFactory()->CreateArrayExpression("$R", array);
    INCExpression* index[] = {dynamic_cast<INCExpression*>(name.get())};
    context.GetExpressionFactory()->CreateElementExpression(array.get(), 1, index, element);
    recorder.AddAssignment(dynamic_cast<Orv::INCLValue*>(element.get()), index[0]);
  }
  EXPECT_EQ(LiveObjectCount(), start);
}

}  // namespace
}  // namespace Velkor::OrvReference
