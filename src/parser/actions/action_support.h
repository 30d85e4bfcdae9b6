// Helpers shared by the actions of every theme: refusing a block, and making
// the constants, lists and expression values that statements are built from.
#pragma once

#include <string_view>
#include <utility>

#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/values.h"
#include "parser/parse_session.h"
#include "parser/parse_state.h"

namespace Velkor::OrvTessan {

// Refuses the block with message 6 and the text read so far; returns false.
bool Refuse(ParseSession& session);
// Refuses the block with catalogue message `number`, formatted with
// `argument` where the message has a %s; returns false.
bool RefuseWith(ParseSession& session, int number, const char* argument = nullptr);

inline Orv::String HostText(std::string_view text) {
  return Orv::String(text.data(), text.size());
}

// The constant expression of a value; empty when there is none or the host
// refuses to make one. Inline, as is IntConstant: a block makes several.
inline Orv::SmartPointer<Orv::INCObjectExpression> ConstantOf(ParseSession& session,
                                                              const Orv::SmartPointer<Orv::INCValue>& value) {
  Orv::SmartPointer<Orv::INCObjectExpression> constant;
  if (value) session.host().expressions->CreateConstantExpression(value.get(), constant);
  return constant;
}

// Constant expressions; empty when the host refuses to make one.
Orv::SmartPointer<Orv::INCObjectExpression> StringConstant(ParseSession& session, std::string_view text);
inline Orv::SmartPointer<Orv::INCObjectExpression> IntConstant(ParseSession& session, std::int32_t number) {
  Orv::SmartPointer<Orv::INCValue> value;
  session.host().values->CreateIntValue(number, value);
  return ConstantOf(session, value);
}
Orv::SmartPointer<Orv::INCObjectExpression> RealConstantExpression(ParseSession& session, double value);
Orv::SmartPointer<Orv::INCObjectExpression> BoolConstant(ParseSession& session, bool value);
// A constant whose value carries `object` (a reference value).
Orv::SmartPointer<Orv::INCObjectExpression> ReferenceConstant(ParseSession& session, Orv::INCObject* object);

// The node seen as a basic-result, an assignable or a structure-result
// expression (null when it is not one). Inline: nearly every action asks,
// and the answer is one look into a small table.
inline Orv::INCExpression* AsExpression(const Orv::SmartPointer<Orv::INCObjectExpression>& node) {
  return ParseState::Global().expressionKinds.As<Orv::INCExpression>(node.get());
}
inline Orv::INCLValue* AsLValue(const Orv::SmartPointer<Orv::INCObjectExpression>& node) {
  return ParseState::Global().expressionKinds.As<Orv::INCLValue>(node.get());
}
inline Orv::INCStructExpression* AsStructExpression(const Orv::SmartPointer<Orv::INCObjectExpression>& node) {
  return ParseState::Global().expressionKinds.As<Orv::INCStructExpression>(node.get());
}

// A new expression value in the parse arena. Inline, as is Produce: every
// operator and operand of a block ends with one.
inline Expr* NewExpr(ParseSession& session, Orv::SmartPointer<Orv::INCObjectExpression> expression, std::int32_t type) {
  Expr* value = session.arena().NewExpr();
  value->expression = std::move(expression);
  value->type = type;
  return value;
}
// Makes `expression` the action's result, or refuses the block when the
// host could not build it (it is empty).
inline bool Produce(ParseSession& session, Expr*& result, Orv::SmartPointer<Orv::INCObjectExpression> expression,
                    std::int32_t type) {
  if (!expression) return Refuse(session);
  result = NewExpr(session, std::move(expression), type);
  return true;
}

// A new argument list owned by the caller (statements hand it to the host).
Orv::SmartPointer<Orv::ArgumentExpressionList> NewArgumentList();
// Empty parentheses parse as a list of one absent argument; the forms that
// take them as no arguments at all ask this.
bool IsEmptyParentheses(const Orv::ArgumentExpressionList& list);

}  // namespace Velkor::OrvTessan
