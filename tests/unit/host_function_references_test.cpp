// Names that the host knows as functions or methods are called, not looked up
// as variables: without brackets, with the bracket contents as arguments, as
// the frame of a component. The reference host knows no such name that the
// scanner would deliver as a name (its upper-case names are keywords), so a
// stand-in mapper adds a few, of each kind of result.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "front_end_parsing.h"
#include "orvref/text_forms.h"

namespace Velkor::OrvTessan {
namespace {

using Orv::SmartPointer;

// The controller's methods and five more: SPEED (REAL), PARTNAME (STRING),
// WORKFRAME (FRAME), TOOLAXIS (AXIS) and NOVALUE, a method without a value.
class HostNames final : public Orv::IMethodMapper {
 public:
  bool IsMethod(const Orv::String& name) override { return IsExtra(name) || controller_.IsMethod(name); }

  bool GetMethodReturnType(const Orv::String& name, Orv::IExecutionContext* context,
                           SmartPointer<Orv::INCType>& type) override {
    if (!IsExtra(name)) return controller_.GetMethodReturnType(name, context, type);
    type.reset();
    if (name == "SPEED" || name == "PARTNAME") {
      SmartPointer<Orv::INCBasicType> basic;
      context->GetValueFactory()->GetBasicType(name == "SPEED" ? Orv::BasicType::Real : Orv::BasicType::String, basic);
      type = basic;
    } else if (name != "NOVALUE") {
      context->GetTypeRegistry()->FindType(name == "WORKFRAME" ? "FRAME" : "AXIS", type);
    }
    return true;
  }

  Orv::TResult EvaluateMethod(const Orv::String& name, SmartPointer<Orv::ArgumentTable> arguments,
                              Orv::IExecutionContext* context, SmartPointer<Orv::INCObject>& result,
                              std::uint32_t& status, Orv::String& message) override {
    return controller_.EvaluateMethod(name, std::move(arguments), context, result, status, message);
  }

 private:
  static bool IsExtra(const Orv::String& name) {
    return name == "SPEED" || name == "PARTNAME" || name == "WORKFRAME" || name == "TOOLAXIS" || name == "NOVALUE";
  }

  MethodMapper controller_;
};

class HostFunctionReferences : public FrontEndParsing {
 protected:
  HostFunctionReferences() : FrontEndParsing(std::make_unique<HostNames>()) {
    EXPECT_EQ(ParseBlock("DEF FRAME FRA"), Orv::ORV_SUCCESS);
    EXPECT_EQ(ParseBlock("DEF AXIS AXA"), Orv::ORV_SUCCESS);
  }

  // The block trace of `block`, or its message when it was refused.
  std::string Parsed(const std::string& block) {
    if (ParseBlock(block) != Orv::ORV_SUCCESS) return "ERROR " + std::to_string(kind_) + ' ' + message_.c_str();
    return recorder_.Trace();
  }

  // The expression made of `text`, or its result code when none was made.
  std::string Expression(const std::string& text) {
    SmartPointer<Orv::INCExpression> result;
    const Orv::TResult outcome = ParseExpression(text, result);
    if (outcome != Orv::ORV_SUCCESS) return "result " + std::to_string(outcome);
    return OrvReference::ExpressionText(result.get());
  }
};

constexpr const char* kJointOfX = "(call GetJointNumber (member (method CreateAxis \"X\") Name))";

TEST_F(HostFunctionReferences, AFunctionOfABasicResultIsCalledWithTheBracketContents) {
  EXPECT_EQ(Parsed("R1=SPEED"), "ASSIGN (elem (array $R) 1) (call SPEED)\n");
  EXPECT_EQ(Parsed("R1=SPEED[2]"), "ASSIGN (elem (array $R) 1) (call SPEED 2)\n");
  EXPECT_EQ(Parsed("R1=SPEED[1,X]"), std::string("ASSIGN (elem (array $R) 1) (call SPEED 1 ") + kJointOfX + ")\n");
  EXPECT_EQ(Parsed("MSG(PARTNAME)"), "COMMAND MSG 1 [] {Value=(call PARTNAME)}\n");
  EXPECT_EQ(Parsed("GOTOF PARTNAME"), "GOTO (call PARTNAME) 0 1\n");
  EXPECT_EQ(Expression("SPEED*2"), "(* (call SPEED) 2)");
}

TEST_F(HostFunctionReferences, AFunctionOfAStructureResultIsAMethod) {
  EXPECT_EQ(Parsed("FRA=WORKFRAME"), "STRUCT-ASSIGN (struct FRA) (omethod WORKFRAME)\n");
  EXPECT_EQ(Parsed("FRA=WORKFRAME[1]"), "STRUCT-ASSIGN (struct FRA) (method WORKFRAME 1)\n");
  EXPECT_EQ(Parsed("R1=WORKFRAME[X,TR]"),
            std::string("ASSIGN (elem (array $R) 1) (elem (comp (omethod WORKFRAME) TR) ") + kJointOfX + ")\n");
  EXPECT_EQ(Parsed("AXA=TOOLAXIS"), "STRUCT-ASSIGN (struct AXA) (omethod TOOLAXIS)\n");
  EXPECT_EQ(Parsed("AXA=TOOLAXIS[2]"), "STRUCT-ASSIGN (struct AXA) (method TOOLAXIS 2)\n");
  EXPECT_EQ(Expression("TOOLAXIS"), "(member (omethod TOOLAXIS) Name)");
  EXPECT_EQ(Expression("WORKFRAME"), "result 1");
  EXPECT_EQ(kind_, -1) << "a frame is refused without a message";
}

TEST_F(HostFunctionReferences, ANameWithoutAResultTypeIsRefused) {
  EXPECT_EQ(Parsed("R1=NOVALUE"), "ERROR 0 Parse error after reading 'R1=NOVALUE'.");
  EXPECT_EQ(Parsed("R1=NOVALUE[1]"), "ERROR 0 The variable 'NOVALUE' hasn't been declared yet.");
  EXPECT_EQ(Parsed("R1=SPEED[X,TR]"), "ERROR 0 Parse error after reading 'R1=SPEED[X,TR]'.");
}

}  // namespace
}  // namespace Velkor::OrvTessan
