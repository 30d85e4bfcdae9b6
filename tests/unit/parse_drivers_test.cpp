// What the two drivers carry from one parse to the next and from blocks to
// expressions: the macro table, declared names, the structure types they
// found, and nothing of the label position.
#include <gtest/gtest.h>

#include "front_end_parsing.h"
#include "orvref/text_forms.h"
#include "plugin/messages.h"
#include "plugin/results.h"

namespace Velkor::OrvTessan {
namespace {

using Orv::SmartPointer;

class ParseDrivers : public FrontEndParsing {
 protected:
  // The expression made of `text`, or its message when it was refused.
  std::string Expression(const char* text) {
    SmartPointer<Orv::INCExpression> result;
    if (ParseExpression(text, result) != Orv::ORV_SUCCESS) return message_.c_str();
    return OrvReference::ExpressionText(result.get());
  }
};

TEST_F(ParseDrivers, ExpressionsAreExpandedWithTheMacrosOfEarlierBlocks) {
  ASSERT_EQ(ParseBlock("DEFINE TWO AS 2"), Orv::ORV_SUCCESS);
  EXPECT_EQ(Expression("TWO*3"), "(* 2 3)");
}

// M170 leaves the pre-scan's rejected word at M170, which would keep M17
// from expanding; an expression starts without it.
TEST_F(ParseDrivers, AnExpressionExpandsAMacroThatTheBlockBeforeRejected) {
  for (const char* block : {"DEFINE M1 AS 1", "DEFINE M17 AS 17", "M170"}) {
    ASSERT_EQ(ParseBlock(block), Orv::ORV_SUCCESS) << block;
  }
  EXPECT_EQ(Expression("M17"), "17");
}

TEST_F(ParseDrivers, AnAxisVariableIsHandedBackAsItsName) {
  ASSERT_EQ(ParseBlock("DEF AXIS AXA"), Orv::ORV_SUCCESS);
  EXPECT_EQ(Expression("AXA"), "(member (struct AXA) Name)");
}

// A block refused at its block number leaves labels allowed; the expression
// that follows still reads START1 as a name.
TEST_F(ParseDrivers, AnExpressionDeclaresNoLabelWhateverTheBlockBeforeLeft) {
  ASSERT_NE(ParseBlock("N"), Orv::ORV_SUCCESS);
  EXPECT_EQ(Expression("START1:1"), "The variable 'START1' hasn't been declared yet.");
}

TEST_F(ParseDrivers, AnExpressionWithoutAResultSlotWritesNothing) {
  message_ = "untouched";
  EXPECT_EQ(parser_.ParseExpression("1", &context_, nullptr, &kind_, &message_), kFailure);
  EXPECT_EQ(kind_, -1);
  EXPECT_EQ(message_, "untouched");
}

// The block driver keeps the structure types of an earlier parse when the
// registry does not know them; the expression driver does not, and drops the
// cached FRAME type when AXIS is missing.
TEST_F(ParseDrivers, StructureTypesMissingFromTheRegistry) {
  ASSERT_EQ(ParseBlock("R1=1"), Orv::ORV_SUCCESS);

  OrvReference::ExecutionContext bare;
  OrvReference::RecordingParseContext bareRecorder{bare};
  std::int32_t kind = -1;
  Orv::String message = "untouched";
  EXPECT_EQ(parser_.ParseBlock("R1=1", &bareRecorder, &kind, &message), Orv::ORV_SUCCESS);

  SmartPointer<Orv::INCExpression> result;
  EXPECT_EQ(parser_.ParseExpression("1", &bare, &result, &kind, &message), kFailure);
  EXPECT_EQ(kind, -1) << "no FRAME at all: nothing written";

  OrvReference::ExecutionContext frameOnly;
  SmartPointer<Orv::INCBasicType> real;
  frameOnly.GetValueFactory()->GetBasicType(Orv::BasicType::Real, real);
  const Orv::StructMemberDeclaration member{real.get(), "TR"};
  SmartPointer<Orv::INCStructType> frame;
  frameOnly.GetStructTypeFactory()->CreateStructType(1, &member, 0, frame);
  frameOnly.types().RegisterType("FRAME", frame.get());
  EXPECT_EQ(parser_.ParseExpression("1", &frameOnly, &result, &kind, &message), kFailure);
  EXPECT_EQ(kind, 0) << "FRAME found, AXIS missing";
  EXPECT_EQ(message, "untouched");

  kind = -1;
  EXPECT_EQ(parser_.ParseBlock("R1=1", &bareRecorder, &kind, &message), kFailure);
  EXPECT_EQ(kind, -1) << "the cached FRAME type is gone";
  EXPECT_EQ(message, "untouched");
}

// The R-parameter array one parse resolved is no part of the next: a local
// STRING named $R makes R1 and R2 characters of that text, from the next
// parse on and for every R parameter of it.
TEST_F(ParseDrivers, EachParseResolvesTheRParametersAgain) {
  EXPECT_EQ(Expression("R1+R2"), "(+ (elem (array $R) 1) (elem (array $R) 2))");
  context_.scope().EnterLocalFrame();
  ASSERT_EQ(context_.scope().DeclareScalar("$R", Orv::BasicType::String, true), Orv::ORV_SUCCESS);
  const std::string characters = Expression("R1<<R2");
  EXPECT_EQ(characters.find("elem"), std::string::npos) << characters;
  EXPECT_NE(characters.find("SUBSTR (var $R) 2"), std::string::npos) << characters;
  context_.scope().LeaveLocalFrame();
  EXPECT_EQ(Expression("R3"), "(elem (array $R) 3)");
}

// A host that hands out one factory of a reference context less.
class HostWithoutFactory final : public Orv::IExecutionContext {
 public:
  enum class Missing { kArrayTypes, kLValues, kMethodCalls };
  HostWithoutFactory(OrvReference::ExecutionContext& host, Missing missing) : host_(host), missing_(missing) {}

  Orv::ITypeRegistry* GetTypeRegistry() override { return host_.GetTypeRegistry(); }
  Orv::IVariableScope* GetVariableScope() override { return host_.GetVariableScope(); }
  Orv::IChannel* GetChannel() override { return host_.GetChannel(); }
  SmartPointer<Orv::IValueFactory> GetValueFactory() override { return host_.GetValueFactory(); }
  SmartPointer<Orv::IExpressionFactory> GetExpressionFactory() override { return host_.GetExpressionFactory(); }
  SmartPointer<Orv::IArrayTypeFactory> GetArrayTypeFactory() override {
    return missing_ == Missing::kArrayTypes ? nullptr : host_.GetArrayTypeFactory();
  }
  SmartPointer<Orv::ILValueFactory> GetLValueFactory() override {
    return missing_ == Missing::kLValues ? nullptr : host_.GetLValueFactory();
  }
  SmartPointer<Orv::IStructTypeFactory> GetStructTypeFactory() override { return host_.GetStructTypeFactory(); }
  SmartPointer<Orv::IMethodCallFactory> GetMethodCallFactory() override {
    return missing_ == Missing::kMethodCalls ? nullptr : host_.GetMethodCallFactory();
  }
  bool IsDefined(const Orv::String& name) override { return host_.IsDefined(name); }
  Orv::TResult GetNameType(const Orv::String& name, SmartPointer<Orv::INCType>& type) override {
    return host_.GetNameType(name, type);
  }

 private:
  OrvReference::ExecutionContext& host_;
  Missing missing_;
};

// Expressions are built without array types; every other factory the
// expression driver fetches must be there, whatever an earlier parse cached.
TEST_F(ParseDrivers, AnExpressionNeedsEveryFactoryButTheArrayTypes) {
  using Missing = HostWithoutFactory::Missing;
  ASSERT_EQ(ParseBlock("R1=1"), Orv::ORV_SUCCESS);
  SmartPointer<Orv::INCExpression> result;

  HostWithoutFactory noArrayTypes(context_, Missing::kArrayTypes);
  EXPECT_EQ(parser_.ParseExpression("R1+1", &noArrayTypes, &result, &kind_, &message_), kSuccess);
  EXPECT_EQ(OrvReference::ExpressionText(result.get()), "(+ (elem (array $R) 1) 1)");

  for (const Missing missing : {Missing::kLValues, Missing::kMethodCalls}) {
    HostWithoutFactory host(context_, missing);
    kind_ = -1;
    EXPECT_EQ(parser_.ParseExpression("1", &host, &result, &kind_, &message_), kFailure);
    EXPECT_EQ(kind_, 0);
    EXPECT_EQ(message_, FormatMessage(kInternalError));
  }
}

}  // namespace
}  // namespace Velkor::OrvTessan
