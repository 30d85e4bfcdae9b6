// Values a run computes: expressions through the execution context, and the
// named arguments of words.
#include <string_view>

#include "interpreter/execution.h"
#include "orvref/execution_context.h"

namespace Velkor::OrvReference {

bool Execution::Evaluate(const Orv::INCObjectExpression* expression, SmartPointer<Orv::INCObject>& value) {
  if (expression == nullptr) {
    value.reset();
    return true;
  }
  std::string message;
  return context_.Evaluate(expression, value, message) || Fail(message);
}

namespace {

const Orv::INCValue* BasicOf(const SmartPointer<Orv::INCObject>& value) {
  return dynamic_cast<const Orv::INCValue*>(value.get());
}

}  // namespace

bool Execution::EvaluateText(const Orv::INCObjectExpression* expression, Orv::String& text) {
  SmartPointer<Orv::INCObject> value;
  if (!Evaluate(expression, value)) return false;
  const Orv::INCValue* basic = BasicOf(value);
  return (basic && basic->GetString(text) == Orv::ORV_SUCCESS) || Fail("A text was expected.");
}

bool Execution::Condition(const Orv::INCObjectExpression* expression, bool& holds) {
  SmartPointer<Orv::INCObject> value;
  if (!Evaluate(expression, value)) return false;
  const Orv::INCValue* basic = BasicOf(value);
  return (basic && basic->GetBool(holds) == Orv::ORV_SUCCESS) || Fail("The condition has no truth value.");
}

const Orv::INCObjectExpression* Execution::Argument(const Orv::ArgumentExpressionList* arguments, const char* name) {
  if (arguments == nullptr) return nullptr;
  const std::int32_t count = arguments->GetMapArgumentCount();
  Orv::String argumentName;
  SmartPointer<Orv::INCObjectExpression> argument;
  for (std::int32_t index = 0; index < count; ++index) {
    if (arguments->GetMapArgument(index, argumentName, argument) == Orv::ORV_SUCCESS && argumentName == name) {
      return argument.get();
    }
  }
  return nullptr;
}

bool Execution::RealArgument(const Orv::ArgumentExpressionList* arguments, double& number) {
  SmartPointer<Orv::INCObject> value;
  if (!Evaluate(Argument(arguments, "Value"), value)) return false;
  const Orv::INCValue* basic = BasicOf(value);
  return (basic && basic->GetReal(number) == Orv::ORV_SUCCESS) || Fail("A number was expected.");
}

bool Execution::AxisWord(const Orv::ArgumentExpressionList* arguments, std::int32_t line, double& number,
                         Distance& distance) {
  Orv::String modifier;
  if (!RealArgument(arguments, number)) return false;
  if (const Orv::INCObjectExpression* flag = Argument(arguments, "Flag")) {
    if (!EvaluateText(flag, modifier)) return false;
  }
  const std::string_view text(modifier.data(), modifier.size());
  if (text.empty()) {
    distance = Distance::kModal;
  } else if (text == "IC") {
    distance = Distance::kIncremental;
  } else {
    // AC, and the positionings of rotary axes taken as absolute.
    distance = Distance::kAbsolute;
    if (text != "AC") NoteNotSimulated(line, std::string(text));
  }
  return true;
}

}  // namespace Velkor::OrvReference
