// Subprogram calls with their parameters, returns, modal calls and the
// repetition of program sections.
#include "expressions/node.h"
#include "interpreter/execution.h"
#include "orv/string_util.h"
#include "orvref/execution_context.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

std::string Quoted(const Orv::String& name) {
  return "'" + std::string(name.data(), name.size()) + "'";
}

// The expression an argument passed by reference carries; null for any
// other value.
const Orv::INCObjectExpression* CarriedExpression(const Orv::INCObject* value, SmartPointer<Orv::INCObject>& carried) {
  const auto* reference = dynamic_cast<const Orv::INCValue*>(value);
  if (reference == nullptr || reference->GetReferencedObject(carried) != Orv::ORV_SUCCESS) return nullptr;
  return dynamic_cast<const Orv::INCObjectExpression*>(carried.get());
}

bool IsArrayOrStructure(const Orv::INCObject* value) {
  return dynamic_cast<const Orv::INCArray*>(value) || dynamic_cast<const Orv::INCStruct*>(value);
}

}  // namespace

bool Execution::PrepareArgument(const Orv::INCObjectExpression* expression, bool byReference, CallArgument& argument) {
  if (expression == nullptr) return true;
  SmartPointer<Orv::INCObject> value, carried;
  if (!byReference || dynamic_cast<const LValueNode*>(expression) == nullptr) {
    if (!Evaluate(expression, value)) return false;
    if (const Orv::INCObjectExpression* referenced = CarriedExpression(value.get(), carried)) {
      expression = referenced;
      byReference = true;
    }
  }
  if (byReference) {
    if (const auto* variable = dynamic_cast<const LValueNode*>(expression)) {
      Evaluation evaluation(&context_);
      argument.kind = CallArgument::Kind::kReference;
      return variable->Bind(evaluation, argument.reference) || Fail(evaluation.message());
    }
    if (carried && !Evaluate(expression, value)) return false;
  }
  argument.value = value;
  if (!IsArrayOrStructure(value.get())) {
    argument.kind = CallArgument::Kind::kValue;
  } else {
    argument.kind = byReference ? CallArgument::Kind::kShared : CallArgument::Kind::kCopied;
  }
  return true;
}

bool Execution::PrepareCall(const Orv::String& name, const Orv::ArgumentExpressionList* arguments, PendingCall& call) {
  call.name = name;
  call.program = programs_.FindSubprogram(name);
  if (call.program < 0) return Fail("The subprogram " + Quoted(name) + " was not found.");
  // Without EXTERN every parameter is passed by reference.
  const bool declared = context_.channel().HasSubprogramDeclaration(name);
  const std::int32_t count = arguments ? arguments->GetArgumentListSize() : 0;
  for (std::int32_t index = 0; index < count; ++index) {
    SmartPointer<Orv::INCObjectExpression> expression;
    arguments->GetListArgument(index, expression);
    if (!PrepareArgument(expression.get(), !declared, call.arguments.emplace_back())) return false;
  }
  return true;
}

bool Execution::SetModalCall(const Orv::ArgumentExpressionList* arguments) {
  CallFrame& level = Level();
  const Orv::INCObjectExpression* callee = Argument(arguments, "Value");
  level.modalCall.reset();
  level.modalArguments.reset();
  if (callee == nullptr) return true;
  Orv::String name;
  if (!EvaluateText(callee, name)) return false;
  Orv::StringUtil::ToUpper(name);
  level.modalCall = name;
  level.modalArguments = arguments;
  return true;
}

bool Execution::BindParameters(const Orv::ArgumentExpressionList* parameters) {
  CallFrame& level = Level();
  level.awaitingParameters = false;
  const std::vector<CallArgument> arguments = std::move(level.arguments);
  const std::int32_t count = parameters ? parameters->GetArgumentListSize() : 0;
  if (arguments.size() > static_cast<std::size_t>(count)) {
    return Fail("The call passes " + std::to_string(arguments.size()) + " arguments to '" + level.name +
                "', whose PROC takes " + std::to_string(count) + ".");
  }
  VariableScope& scope = context_.scope();
  for (std::size_t index = 0; index < arguments.size(); ++index) {
    const CallArgument& argument = arguments[index];
    if (argument.kind == CallArgument::Kind::kAbsent) continue;
    SmartPointer<Orv::INCObjectExpression> parameter;
    parameters->GetListArgument(static_cast<std::int32_t>(index), parameter);
    Orv::String name;
    if (!EvaluateText(parameter.get(), name)) return false;
    bool bound = false;
    switch (argument.kind) {
      case CallArgument::Kind::kValue:
        bound = scope.AssignScalar(name, dynamic_cast<Orv::INCValue*>(argument.value.get()));
        break;
      case CallArgument::Kind::kReference:
        bound = scope.BindScalar(name, argument.reference);
        break;
      case CallArgument::Kind::kShared:
      case CallArgument::Kind::kCopied:
        bound = scope.BindObject(name, argument.value.get(), argument.kind == CallArgument::Kind::kCopied);
        break;
      case CallArgument::Kind::kAbsent:
        break;
    }
    if (!bound)
      return Fail("Argument " + std::to_string(index + 1) + " does not fit the parameter " + Quoted(name) + ".");
  }
  return true;
}

bool Execution::Call(std::int32_t line, PendingCall& call, Continuation& next) {
  std::size_t depth = 0;
  for (const CallFrame& frame : calls_) depth += frame.kind == CallFrame::Kind::kProgram ? 1 : 0;
  if (depth > kMaxCallDepth) {
    return Fail("Subprograms are nested deeper than " + std::to_string(kMaxCallDepth) + " levels.");
  }
  listener_.Called(Place(line), std::string(call.name.data(), call.name.size()));
  CallFrame& frame = calls_.emplace_back();
  frame.program = call.program;
  frame.returnTo = next;
  frame.name.assign(call.name.data(), call.name.size());
  frame.arguments = std::move(call.arguments);
  frame.awaitingParameters = !frame.arguments.empty();
  frame.lastLine = -1;
  context_.scope().EnterLocalFrame();
  next = {call.program, {0, 0}, {}};
  return true;
}

bool Execution::Return(std::int32_t line, const char* word, Continuation& next) {
  std::size_t level = calls_.size() - 1;
  while (calls_[level].kind != CallFrame::Kind::kProgram) --level;
  if (level == 0) return Fail(std::string(word) + " without a call.");
  if (calls_[level].awaitingParameters) {
    return Fail("The subprogram '" + calls_[level].name + "' has no PROC for the arguments of its call.");
  }
  listener_.Returned(Place(line));
  next = calls_[level].returnTo;
  calls_.resize(level);
  context_.scope().LeaveLocalFrame();
  return true;
}

bool Execution::PrepareSection(std::int32_t program, ProgramPosition from, const Orv::String& start,
                               const Orv::String* end, std::int64_t repetitions, BlockWords& words) {
  if (repetitions <= 0) return true;
  ProgramPosition first;
  JumpTarget target{start, Orv::JumpDirection::Backward, nullptr, nullptr};
  // A section of the running program usually stands before its REPEAT.
  if (program != program_ || labels_.Find(program, from, target, first) != LabelFinder::Search::kFound) {
    target.direction = Orv::JumpDirection::Forward;
    if (!Locate(program, program == program_ ? from : ProgramPosition{0, -1}, target, first)) return false;
  }
  std::int32_t lastLine = from.line - 1;
  if (end) {
    ProgramPosition last = first;
    if (*end != start && !Locate(program, first, {*end, Orv::JumpDirection::Forward, nullptr, nullptr}, last)) {
      return false;
    }
    lastLine = last.line;
  }
  if (lastLine < first.line) return Fail("The section to repeat ends before it starts.");
  words.section = PendingSection{{program, {first.line, first.item + 1}, start}, lastLine, repetitions};
  return true;
}

bool Execution::PrepareRepeat(const Orv::ArgumentExpressionList* arguments, std::int32_t line, std::int32_t item,
                              BlockWords& words) {
  Orv::String start, end;
  bool endSet = true;
  SmartPointer<Orv::INCObject> count;
  if (!EvaluateText(Argument(arguments, "StartLabel"), start) || !EvaluateText(Argument(arguments, "EndLabel"), end) ||
      !Evaluate(Argument(arguments, "P"), count)) {
    return false;
  }
  // REPEATB has no EndLabelSet: its end is its start.
  if (const Orv::INCObjectExpression* set = Argument(arguments, "EndLabelSet")) {
    if (!Condition(set, endSet)) return false;
  }
  std::int32_t repetitions = 0;
  const auto* number = dynamic_cast<const Orv::INCValue*>(count.get());
  if (number == nullptr || number->GetInteger(repetitions) != Orv::ORV_SUCCESS) {
    return Fail("The repetition count P is no number.");
  }
  return PrepareSection(program_, {line, item}, start, endSet ? &end : nullptr, repetitions, words);
}

bool Execution::PrepareSectionCall(const Orv::ArgumentExpressionList* arguments, std::int32_t line, std::int32_t item,
                                   BlockWords& words) {
  std::int32_t program = program_;
  if (const Orv::INCObjectExpression* callee = Argument(arguments, "Value")) {
    Orv::String name;
    if (!EvaluateText(callee, name)) return false;
    Orv::StringUtil::ToUpper(name);
    program = programs_.FindSubprogram(name);
    if (program < 0) return Fail("The subprogram " + Quoted(name) + " was not found.");
  }
  Orv::String start, end;
  if (!EvaluateText(Argument(arguments, "StartLabel"), start) || !EvaluateText(Argument(arguments, "EndLabel"), end)) {
    return false;
  }
  return PrepareSection(program, {line, item}, start, &end, 1, words);
}

}  // namespace Velkor::OrvReference
