// Structured control flow: IF/ELSE/ENDIF, LOOP, FOR, WHILE, REPEAT/UNTIL and
// the label-range repetitions. Each keyword becomes label marks and jumps of
// its own block; a structured jump names the start and end marks of its
// structure, so that the host skips nested pairs when it searches the target.
#include "parser/actions/control_flow_actions.h"

#include "parser/actions/action_support.h"
#include "parser/actions/statement_support.h"

namespace Velkor::OrvTessan {
namespace {

constexpr std::string_view kIfLabel = ":IF_LABEL:";
constexpr std::string_view kWrongIfLabel = ":WRONGIF_LABEL:";  // where a false IF continues
constexpr std::string_view kEndIfLabel = ":ENDIF_LABEL:";
constexpr std::string_view kLoopLabel = ":LOOP_LABEL:";
constexpr std::string_view kEndLoopLabel = ":ENDLOOP_LABEL:";
constexpr std::string_view kForLabel = ":FOR_LABEL:";
constexpr std::string_view kForBlockLabel = ":FORBLOCK_LABEL:";  // the body of a FOR
constexpr std::string_view kEndForLabel = ":ENDFOR_LABEL:";
constexpr std::string_view kWhileLabel = ":WHILE_LABEL:";
constexpr std::string_view kEndWhileLabel = ":ENDWHILE_LABEL:";
constexpr std::string_view kRepeatLabel = ":REPEAT_LABEL:";
constexpr std::string_view kUntilLabel = ":UNTIL_LABEL:";
// The end of a label-range REPEAT that names no end label.
constexpr std::string_view kDefaultRepeatEndLabel = ":END_REPEAT_LABEL:";

constexpr std::int32_t kForward = Orv::JumpDirection::Forward;
constexpr std::int32_t kBackward = Orv::JumpDirection::Backward;

// A structure's start and end marks.
struct Structure {
  std::string_view start;
  std::string_view end;
};
constexpr Structure kIf{kIfLabel, kEndIfLabel};
constexpr Structure kLoop{kLoopLabel, kEndLoopLabel};
constexpr Structure kFor{kForLabel, kEndForLabel};
constexpr Structure kWhile{kWhileLabel, kEndWhileLabel};
constexpr Structure kRepeat{kRepeatLabel, kUntilLabel};

void AppendLabel(ParseSession& session, std::string_view label) {
  session.context->AddLabel(HostText(label));
}

void AppendJump(ParseSession& session, std::string_view target, std::int32_t direction, Structure structure) {
  const ExpressionRef label = StringConstant(session, target);
  session.context->AddStructuredJump(AsExpression(label), direction, HostText(structure.start), HostText(structure.end),
                                     1);
}

void AppendConditionalJump(ParseSession& session, const ExpressionRef& condition, std::string_view target,
                           std::int32_t direction, Structure structure) {
  const ExpressionRef label = StringConstant(session, target);
  session.context->AddStructuredConditionalJump(AsExpression(condition), AsExpression(label), direction,
                                                HostText(structure.start), HostText(structure.end));
}

// NOT of the truth value of a condition; empty when it has none.
ExpressionRef NegatedTruthValue(ParseSession& session, const Expr& condition) {
  const ExpressionRef truth = ToBooleanExpression(session, condition);
  return truth ? UnaryExpression(session, truth, kNegationOperator) : nullptr;
}

}  // namespace

bool IfHead(ParseSession& session, Expr* condition) {
  const ExpressionRef isFalse = NegatedTruthValue(session, *condition);
  if (!isFalse) return Refuse(session);
  AppendLabel(session, kIfLabel);
  AppendConditionalJump(session, isFalse, kWrongIfLabel, kForward, kIf);
  return true;
}

// After the one statement of a one-line IF; what follows in the block runs
// whatever the condition.
bool OneLineIfEnd(ParseSession& session) {
  return EndIf(session);
}

bool Else(ParseSession& session) {
  AppendJump(session, kEndIfLabel, kForward, kIf);
  AppendLabel(session, kWrongIfLabel);
  return true;
}

bool EndIf(ParseSession& session) {
  AppendLabel(session, kWrongIfLabel);
  AppendLabel(session, kEndIfLabel);
  return true;
}

bool Loop(ParseSession& session) {
  AppendLabel(session, kLoopLabel);
  return true;
}

bool EndLoop(ParseSession& session) {
  AppendJump(session, kLoopLabel, kBackward, kLoop);
  AppendLabel(session, kEndLoopLabel);
  return true;
}

// The counter starts one below the start value and is counted up before each
// test, so the body runs for start, start + 1, ..., end. The start value is
// evaluated once, the end value at every test; a failed test leaves the
// counter at the end value.
bool For(ParseSession& session, Expr* variable, Expr* start, Expr* end) {
  auto* counter = AsLValue(variable->expression);
  if (variable->type != kIntType || counter == nullptr) return Refuse(session);
  const ExpressionRef one = IntConstant(session, 1);
  const ExpressionRef beforeStart = MakeBinaryExpression(session, start->expression, one, kMinusOperator);
  const ExpressionRef next = MakeBinaryExpression(session, variable->expression, one, kPlusOperator);
  const ExpressionRef inRange =
      MakeBinaryExpression(session, variable->expression, end->expression, kLessOrEqualOperator);
  Orv::INCExpression* last = AsExpression(end->expression);
  if (!beforeStart || !next || !inRange || last == nullptr) return Refuse(session);

  Orv::IParseContext& context = *session.context;
  context.AddAssignment(counter, AsExpression(beforeStart));
  AppendLabel(session, kForLabel);
  context.AddAssignment(counter, AsExpression(next));
  AppendConditionalJump(session, inRange, kForBlockLabel, kForward, kFor);
  context.AddAssignment(counter, last);
  AppendJump(session, kEndForLabel, kForward, kFor);
  AppendLabel(session, kForBlockLabel);
  return true;
}

bool EndFor(ParseSession& session) {
  AppendJump(session, kForLabel, kBackward, kFor);
  AppendLabel(session, kEndForLabel);
  return true;
}

bool While(ParseSession& session, Expr* condition) {
  if (condition->type != kBoolType && condition->type != kIntType) return Refuse(session);
  const ExpressionRef truth = ConvertExpression(session, condition->expression, Orv::BasicType::Bool);
  const ExpressionRef isFalse = truth ? UnaryExpression(session, truth, kNegationOperator) : nullptr;
  if (!isFalse) return Refuse(session);
  AppendLabel(session, kWhileLabel);
  AppendConditionalJump(session, isFalse, kEndWhileLabel, kForward, kWhile);
  return true;
}

bool EndWhile(ParseSession& session) {
  AppendJump(session, kWhileLabel, kBackward, kWhile);
  AppendLabel(session, kEndWhileLabel);
  return true;
}

bool RepeatMark(ParseSession& session) {
  AppendLabel(session, kRepeatLabel);
  return true;
}

bool Until(ParseSession& session, Expr* condition) {
  const ExpressionRef isFalse = NegatedTruthValue(session, *condition);
  if (!isFalse) return Refuse(session);
  AppendConditionalJump(session, isFalse, kRepeatLabel, kBackward, kRepeat);
  AppendLabel(session, kUntilLabel);
  return true;
}

// REPEAT of the blocks from a start label to an end label; without an end
// label the host gets the default end mark and EndLabelSet false.
bool RepeatRange(ParseSession& session, const char* startLabel, Expr* endLabel, Expr* count) {
  const bool endGiven = static_cast<bool>(endLabel->expression);
  const auto arguments =
      NamedArguments({{"StartLabel", StringConstant(session, startLabel)},
                      {"EndLabel", endGiven ? endLabel->expression : StringConstant(session, kDefaultRepeatEndLabel)},
                      {"EndLabelSet", BoolConstant(session, endGiven)},
                      {"P", count->expression}});
  AppendCommand(session, "REPEAT", arguments.get(), 1);
  return true;
}

// REPEATB repeats the one block that carries the label.
bool RepeatBlock(ParseSession& session, Expr* label, Expr* count) {
  if (!label->expression) return Refuse(session);
  const auto arguments =
      NamedArguments({{"StartLabel", label->expression}, {"EndLabel", label->expression}, {"P", count->expression}});
  AppendCommand(session, "REPEAT", arguments.get(), 1);
  return true;
}

bool DefaultRepeatCount(ParseSession& session, Expr*& result) {
  result = NewExpr(session, IntConstant(session, 1), kIntType);
  return true;
}

bool RepeatCount(ParseSession& session, Expr*& result, const AddressWord& address, Expr* count) {
  if (std::string_view(address.name) != "P") return Refuse(session);
  return Produce(session, result, ConvertExpression(session, count->expression, Orv::BasicType::Int), kIntType);
}

}  // namespace Velkor::OrvTessan
