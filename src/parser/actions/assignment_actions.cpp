// The three assignment forms: a plain assignment (or a character of a STRING
// variable), and the array fillers REP and SET.
#include "parser/actions/assignment_actions.h"

#include "parser/actions/action_support.h"
#include "parser/actions/expression_helpers.h"
#include "parser/actions/expression_literals.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

// Replacing a character of a STRING variable is the controller command
// "AssignString" (variable, position, character).
bool AssignCharacter(ParseSession& session, Expr* target, Expr* value) {
  if (!target->firstIndex || AsExpression(value->expression) == nullptr) return Refuse(session);
  const ExpressionRef variable = ReferenceConstant(session, target->variable.get());
  const ExpressionRef character = ConvertExpression(session, value->expression, Orv::BasicType::Char);
  if (!variable || !character) return Refuse(session);
  const SmartPointer<Orv::ArgumentExpressionList> arguments = NewArgumentList();
  arguments->AddListArgument(variable.get());
  arguments->AddListArgument(target->firstIndex.get());
  arguments->AddListArgument(character.get());
  session.context->AddInternalCommand("AssignString", arguments.get());
  return true;
}

// REP and SET fill an array from an element on: "AssignArray" (array, first
// index, second index or absent, list mode, values...).
bool FillArray(ParseSession& session, Expr* target, bool listMode, Orv::ArgumentExpressionList* values) {
  if (!target->lvalue || !target->firstIndex) return Refuse(session);
  const ExpressionRef mode = BoolConstant(session, listMode);
  if (!mode) return Refuse(session);
  values->PrependListArgument(mode.get());
  values->PrependListArgument(target->secondIndex.get());
  values->PrependListArgument(target->firstIndex.get());
  values->PrependListArgument(target->lvalue.get());
  session.context->AddInternalCommand("AssignArray", values);
  return true;
}

}  // namespace

bool Assignment(ParseSession& session, Expr* target, Expr* value) {
  if (target->variable) return AssignCharacter(session, target, value);
  if (target->type == kAxisType || target->type == kFrameType) {
    auto* targetStructure = AsStructExpression(target->expression);
    auto* valueStructure = AsStructExpression(value->expression);
    if (targetStructure == nullptr || valueStructure == nullptr) return Refuse(session);
    session.context->AddStructAssignment(targetStructure, valueStructure);
    return true;
  }
  auto* assignable = AsLValue(target->expression);
  auto* basicValue = AsExpression(value->expression);
  if (assignable == nullptr || basicValue == nullptr) return Refuse(session);
  session.context->AddAssignment(assignable, basicValue);
  return true;
}

bool RepeatAssignment(ParseSession& session, Expr* target, Expr* value) {
  return FillArray(session, target, false, ArgumentListOf(session, value));
}

// SET() assigns nothing: its empty parentheses give no value, not one absent value.
bool ListAssignment(ParseSession& session, Expr* target, Orv::ArgumentExpressionList* values) {
  return FillArray(session, target, true, IsEmptyParentheses(*values) ? session.arena().NewArgumentList() : values);
}

}  // namespace Velkor::OrvTessan
