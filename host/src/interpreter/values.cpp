// Values a run computes: expressions through the execution context, and the
// named arguments of words.
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "exact_type.h"
#include "expressions/constant_node.h"
#include "interpreter/execution.h"
#include "orvref/execution_context.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

bool Execution::Evaluate(const Orv::INCObjectExpression* expression, SmartPointer<Orv::INCObject>& value) {
  if (expression == nullptr) {
    value.reset();
    return true;
  }
  // Most words are constants: their value is at hand.
  if (const SmartPointer<BasicValue>* constant = ConstantValueOf(expression)) {
    value = *constant;
    return true;
  }
  std::string message;
  return context_.Evaluate(expression, value, message) || Fail(message);
}

namespace {

const Orv::INCValue* BasicOf(const SmartPointer<Orv::INCObject>& value) {
  return AsInterface<const Orv::INCValue, const BasicValue>(value.get());
}

// The value of a constant of that basic type, read in place; null for any
// other expression.
template <class Payload>
const Payload* ConstantOf(const Orv::INCObjectExpression* expression, std::int32_t code) {
  const SmartPointer<BasicValue>* constant = ConstantValueOf(expression);
  return constant && (*constant)->code() == code ? &std::get<Payload>((*constant)->payload()) : nullptr;
}

}  // namespace

bool Execution::EvaluateText(const Orv::INCObjectExpression* expression, Orv::String& text) {
  // Most texts are constants (an axis word's AC or IC).
  if (const Orv::String* constant = ConstantOf<Orv::String>(expression, Orv::BasicType::String)) {
    text = *constant;
    return true;
  }
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

const Orv::INCObjectExpression* Execution::Argument(const Orv::ArgumentExpressionList* arguments,
                                                    std::string_view name) {
  const Orv::INCObjectExpression* found[1] = {};
  const std::string_view names[1] = {name};
  FindArguments(arguments, names, found);
  return found[0];
}

void Execution::FindArguments(const Orv::ArgumentExpressionList* arguments, std::span<const std::string_view> names,
                              std::span<const Orv::INCObjectExpression*> found) {
  const std::int32_t count = arguments ? arguments->GetMapArgumentCount() : 0;
  Orv::String name;
  SmartPointer<Orv::INCObjectExpression> argument;
  for (std::int32_t index = 0; index < count; ++index) {
    if (arguments->GetMapArgument(index, name, argument) != Orv::ORV_SUCCESS) continue;
    // The list holds the argument, so the pointer outlives `argument`.
    for (std::size_t wanted = 0; wanted < names.size(); ++wanted) {
      if (std::string_view(name.data(), name.size()) == names[wanted]) found[wanted] = argument.get();
    }
  }
}

bool Execution::Real(const Orv::INCObjectExpression* expression, double& number) {
  // Most numbers are constants (the coordinates of a program).
  if (const double* constant = ConstantOf<double>(expression, Orv::BasicType::Real)) {
    number = *constant;
    return true;
  }
  SmartPointer<Orv::INCObject> value;
  if (!Evaluate(expression, value)) return false;
  const Orv::INCValue* basic = BasicOf(value);
  return (basic && basic->GetReal(number) == Orv::ORV_SUCCESS) || Fail("A number was expected.");
}

bool Execution::RealArgument(const Orv::ArgumentExpressionList* arguments, double& number) {
  return Real(Argument(arguments, "Value"), number);
}

bool Execution::AxisWord(const Orv::ArgumentExpressionList* arguments, std::int32_t line, double& number,
                         Distance& distance) {
  static constexpr std::string_view kNames[] = {"Value", "Flag"};
  const Orv::INCObjectExpression* found[2] = {};
  FindArguments(arguments, kNames, found);
  Orv::String modifier;
  if (!Real(found[0], number) || (found[1] && !EvaluateText(found[1], modifier))) return false;
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
