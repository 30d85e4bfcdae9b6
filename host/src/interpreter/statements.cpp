// The statements of a block, one by one: assignments and declarations take
// effect at once, jumps are taken at once, words are gathered for the end of
// the block.
#include <string_view>
#include <unordered_map>

#include "expressions/node.h"
#include "interpreter/execution.h"
#include "orv/string_util.h"
#include "orvref/execution_context.h"
#include "values/struct_value.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

// A program header's command: "_" and the program type.
bool IsHeaderCommand(std::string_view name) {
  return name.size() == 4 && name[0] == '_';
}

const char* SynchronizedActionName(std::int32_t kind) {
  switch (kind) {
    case 2:
      return "FROM";
    case 3:
      return "EVERY";
    case 4:
      return "WHEN";
    case 5:
      return "WHENEVER";
    default:
      return "DO";
  }
}

// What a missing structure label says about the program; a plain label is
// simply not there.
std::string MissingLabelMessage(const Orv::String& label) {
  static const std::unordered_map<std::string_view, const char*> structures = {
      {":WRONGIF_LABEL:", "IF without ELSE or ENDIF."}, {":ENDIF_LABEL:", "ELSE without ENDIF."},
      {":LOOP_LABEL:", "ENDLOOP without LOOP."},        {":FOR_LABEL:", "ENDFOR without FOR."},
      {":ENDFOR_LABEL:", "FOR without ENDFOR."},        {":WHILE_LABEL:", "ENDWHILE without WHILE."},
      {":ENDWHILE_LABEL:", "WHILE without ENDWHILE."},  {":REPEAT_LABEL:", "UNTIL without REPEAT."},
  };
  const auto found = structures.find(std::string_view(label.data(), label.size()));
  if (found != structures.end()) return found->second;
  return "The label '" + std::string(label.data(), label.size()) + "' was not found.";
}

}  // namespace

void Execution::NoteNotSimulated(std::int32_t line, const std::string& name) {
  if (notedNames_.insert(name).second) listener_.NotSimulated(Place(line), name);
}

bool Execution::Execute(const Statement& statement, std::int32_t line, std::int32_t item, BlockWords& words) {
  using Kind = Statement::Kind;
  if (Level().awaitingParameters && statement.kind != Kind::kLabel && statement.kind != Kind::kDeclaration &&
      statement.kind != Kind::kCommand) {
    return Fail("The subprogram '" + Level().name + "' has no PROC for the arguments of its call.");
  }
  switch (statement.kind) {
    case Kind::kLabel:
      return true;
    case Kind::kCommand:
      return ExecuteCommand(statement.text, statement.arguments.get(), line, item, words);
    case Kind::kComputedCommand: {
      Orv::String name;
      return EvaluateText(statement.expression.get(), name) &&
             ExecuteCommand(name, statement.arguments.get(), line, item, words);
    }
    case Kind::kInternalCommand:
      words.wroteVariables = true;
      return ExecuteInternalCommand(statement, line);
    case Kind::kAssignment:
      words.wroteVariables = true;
      return Assign(statement);
    case Kind::kStructAssignment:
      words.wroteVariables = true;
      return AssignStructure(statement);
    case Kind::kDeclaration:
      words.wroteVariables = true;
      return Declare(statement);
    case Kind::kGoto:
    case Kind::kConditionalGoto:
    case Kind::kJump:
    case Kind::kConditionalJump:
      return TakeJump(statement, line, item, words);
    case Kind::kSynchronizedAction:
      NoteNotSimulated(line, SynchronizedActionName(statement.number));
      return true;
    case Kind::kCancel:
      NoteNotSimulated(line, "CANCEL");
      return true;
  }
  return true;
}

bool Execution::ExecuteCommand(const Orv::String& name, const Orv::ArgumentExpressionList* arguments, std::int32_t line,
                               std::int32_t item, BlockWords& words) {
  const std::string_view text(name.data(), name.size());
  const auto found = commandWords_.find(text);
  if (found == commandWords_.end()) {
    if (!IsHeaderCommand(text)) NoteNotSimulated(line, std::string(text));
    return true;
  }
  const int value = found->second.value;
  if (Level().awaitingParameters && found->second.word != Word::kIgnored && found->second.word != Word::kProcedure) {
    return Fail("The subprogram '" + Level().name + "' has no PROC for the arguments of its call.");
  }
  switch (found->second.word) {
    case Word::kAxis: {
      BlockWords::Axis word{static_cast<std::size_t>(value), 0.0, Distance::kModal};
      if (!AxisWord(arguments, line, word.value, word.distance)) return false;
      words.axes.push_back(word);
      return true;
    }
    case Word::kIgnored:
    case Word::kUnits:
      return true;
    case Word::kMotion:
      machine_.motion = static_cast<MachineState::Motion>(value);
      return true;
    case Word::kDwell:
      words.dwell = true;
      return true;
    case Word::kPlane:
      machine_.plane = static_cast<MachineState::Plane>(value);
      return true;
    case Word::kDistance:
      machine_.incremental = value != 0;
      return true;
    case Word::kSettableFrame:
      words.settableFrame = value;
      return true;
    case Word::kFeed:
      return RealArgument(arguments, words.feed.emplace());
    case Word::kSpeed:
      return RealArgument(arguments, words.speed.emplace());
    case Word::kRadius:
      return RealArgument(arguments, words.radius.emplace());
    case Word::kPlaneRotation:
      return RealArgument(arguments, words.planeRotation.emplace());
    case Word::kCentre: {
      BlockWords::Centre centre{0.0, false};
      Distance distance = Distance::kModal;
      if (!AxisWord(arguments, line, centre.value, distance)) return false;
      centre.absolute = distance == Distance::kAbsolute;
      words.centre[static_cast<std::size_t>(value)] = centre;
      return true;
    }
    case Word::kTool: {
      Orv::String tool;
      if (!EvaluateText(Argument(arguments, "Value"), tool)) return false;
      words.tool = std::string(tool.data(), tool.size());
      return true;
    }
    case Word::kToolOffset: {
      double offset = 0.0;
      if (!RealArgument(arguments, offset)) return false;
      words.toolOffset = static_cast<std::int32_t>(offset);
      return true;
    }
    case Word::kStop:
      words.stop = value;
      return true;
    case Word::kEnd:
      words.end = true;
      return true;
    case Word::kSpindle:
      words.spindle = static_cast<SpindleState>(value);
      return true;
    case Word::kReturn:
      words.returnWord = text == "RET" ? "RET" : "M17";
      return true;
    case Word::kMessage: {
      Orv::String message;
      if (!EvaluateText(Argument(arguments, "Value"), message)) return false;
      words.messages.emplace_back(message.data(), message.size());
      return true;
    }
    case Word::kFrame:
    case Word::kChainedFrame:
      if (words.frameKind) return Fail("A block holds one frame command.");
      words.frameKind = static_cast<FrameChain::Kind>(value);
      words.frameChained = found->second.word == Word::kChainedFrame;
      return true;
    case Word::kCall:
      if (Argument(arguments, "StartLabel")) return PrepareSectionCall(arguments, line, item, words);
      [[fallthrough]];
    case Word::kNumberedCall: {
      Orv::String callee;
      if (!EvaluateText(Argument(arguments, "Value"), callee)) return false;
      if (found->second.word == Word::kNumberedCall) callee = "L" + callee;
      Orv::StringUtil::ToUpper(callee);
      return PrepareCall(callee, arguments, words.call.emplace());
    }
    case Word::kModalCall:
      return SetModalCall(arguments);
    case Word::kProcedure:
      return BindParameters(arguments);
    case Word::kRepeat:
      return PrepareRepeat(arguments, line, item, words);
  }
  return true;
}

bool Execution::ExecuteInternalCommand(const Statement& statement, std::int32_t line) {
  if (statement.text != "AssignArray" && statement.text != "AssignString") {
    NoteNotSimulated(line, std::string(statement.text.data(), statement.text.size()));
    return true;
  }
  ArgumentValues values;
  const Orv::ArgumentExpressionList* arguments = statement.arguments.get();
  const std::int32_t count = arguments ? arguments->GetArgumentListSize() : 0;
  for (std::int32_t index = 0; index < count; ++index) {
    SmartPointer<Orv::INCObjectExpression> argument;
    arguments->GetListArgument(index, argument);
    if (!Evaluate(argument.get(), values.emplace_back())) return false;
  }
  std::string error;
  return OrvReference::ExecuteCommand(commands_, context_.channel(), statement.text, std::move(values), error) ||
         Fail(error);
}

bool Execution::Assign(const Statement& statement) {
  SmartPointer<Orv::INCObject> value;
  if (!Evaluate(statement.expression.get(), value)) return false;
  const auto* target = dynamic_cast<const LValueNode*>(statement.target.get());
  auto* basic = dynamic_cast<Orv::INCValue*>(value.get());
  if (target == nullptr || basic == nullptr) return Fail("Only a basic value can be assigned to a variable.");
  Evaluation evaluation(&context_);
  return target->Store(evaluation, basic) || Fail(evaluation.message());
}

bool Execution::AssignStructure(const Statement& statement) {
  SmartPointer<Orv::INCObject> target, value;
  if (!Evaluate(statement.target.get(), target) || !Evaluate(statement.expression.get(), value)) return false;
  auto* targetStructure = dynamic_cast<StructValue*>(target.get());
  const auto* valueStructure = dynamic_cast<const StructValue*>(value.get());
  if (targetStructure && valueStructure && targetStructure->AssignFrom(*valueStructure)) return true;
  return Fail("The structure assigned is not of the variable's type.");
}

bool Execution::Declare(const Statement& statement) {
  VariableScope& scope = context_.scope();
  Orv::TResult result = Orv::ORV_SUCCESS;
  switch (statement.declared) {
    case Statement::Declared::kScalar:
      result = scope.DeclareScalar(statement.text, statement.typeCode, statement.local);
      break;
    case Statement::Declared::kArray:
      result =
          scope.DeclareArray(statement.text, dynamic_cast<Orv::INCArrayType*>(statement.type.get()), statement.local);
      break;
    case Statement::Declared::kStruct:
      result =
          scope.DeclareStruct(statement.text, dynamic_cast<Orv::INCStructType*>(statement.type.get()), statement.local);
      break;
  }
  return result == Orv::ORV_SUCCESS ||
         Fail("The variable '" + std::string(statement.text.data(), statement.text.size()) + "' cannot be declared.");
}

bool Execution::TakeJump(const Statement& statement, std::int32_t line, std::int32_t item, BlockWords& words) {
  if (statement.condition) {
    bool taken = false;
    if (!Condition(statement.condition.get(), taken)) return false;
    if (!taken) return true;
  }
  JumpTarget target;
  if (!EvaluateText(statement.expression.get(), target.label)) return false;
  target.direction = statement.number;
  if (!statement.startLabel.empty()) {
    target.start = &statement.startLabel;
    target.end = &statement.endLabel;
  }
  ProgramPosition found;
  if (!Locate(program_, {line, item}, target, found)) return false;
  words.jump = Continuation{program_, {found.line, found.item + 1}, target.label};
  return true;
}

bool Execution::Locate(std::int32_t program, ProgramPosition from, const JumpTarget& target, ProgramPosition& found) {
  switch (labels_.Find(program, from, target, found)) {
    case LabelFinder::Search::kFound:
      return true;
    case LabelFinder::Search::kMissing:
      return Fail(MissingLabelMessage(target.label));
    case LabelFinder::Search::kUnreadable:
      break;
  }
  return Fail("The program cannot be read.");
}

}  // namespace Velkor::OrvReference
