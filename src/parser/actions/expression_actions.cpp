// Placeholder actions: the blocks that need them are refused until the
// actions are written.
#include "parser/actions/expression_actions.h"

#include "parser/actions/action_support.h"

namespace Velkor::OrvTessan {

std::int32_t IntegerOfDigits(const char*) {
  return 0;
}

std::int32_t NegatedIntegerOfDigits(const char*) {
  return 0;
}

double RealOfText(const char*) {
  return 0;
}

const char* AxisNameText(ParseSession& session, const AddressWord&, const char*) {
  Refuse(session);
  return nullptr;
}

const char* SpindleNameText(ParseSession& session, const AddressWord&, const char*) {
  Refuse(session);
  return nullptr;
}

bool RealLiteral(ParseSession& session, Expr*&, double) {
  return Refuse(session);
}

bool IntegerLiteral(ParseSession& session, Expr*&, std::int32_t) {
  return Refuse(session);
}

bool StringLiteral(ParseSession& session, Expr*&, const char*) {
  return Refuse(session);
}

bool BoolLiteral(ParseSession& session, Expr*&, std::int32_t) {
  return Refuse(session);
}

bool AxisLiteral(ParseSession& session, Expr*&, const char*) {
  return Refuse(session);
}

bool UnaryFunction(ParseSession& session, Expr*&, std::int32_t, Expr*) {
  return Refuse(session);
}

bool ArcTangent2(ParseSession& session, Expr*&, Expr*, Expr*) {
  return Refuse(session);
}

bool Square(ParseSession& session, Expr*&, Expr*) {
  return Refuse(session);
}

bool HostFunctionCall(ParseSession& session, Expr*&, const char*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool Intersection(ParseSession& session, Expr*&, const char*, Expr*, const char*, Expr*, const char*, Expr*) {
  return Refuse(session);
}

bool AxisMethodCall(ParseSession& session, Expr*&, const char*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool FrameMethodCall(ParseSession& session, Expr*&, const char*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool FrameConstruction(ParseSession& session, Expr*&, const char*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool AxisNameString(ParseSession& session, Expr*&, Expr*) {
  return Refuse(session);
}

bool FrameChain(ParseSession& session, Expr*&, Expr*, Expr*) {
  return Refuse(session);
}

bool PrefixConcatenation(ParseSession& session, Expr*&, Expr*) {
  return Refuse(session);
}

bool Concatenation(ParseSession& session, Expr*&, Expr*, Expr*) {
  return Refuse(session);
}

bool StringLength(ParseSession& session, Expr*&, Expr*) {
  return Refuse(session);
}

bool Substring(ParseSession& session, Expr*&, Expr*, Expr*, Expr*) {
  return Refuse(session);
}

bool Arithmetic(ParseSession& session, Expr*&, Expr*, Expr*, std::int32_t) {
  return Refuse(session);
}

bool Division(ParseSession& session, Expr*&, Expr*, Expr*) {
  return Refuse(session);
}

bool IntegerDivision(ParseSession& session, Expr*&, Expr*, Expr*) {
  return Refuse(session);
}

bool Modulo(ParseSession& session, Expr*&, Expr*, Expr*) {
  return Refuse(session);
}

bool Negation(ParseSession& session, Expr*&, Expr*) {
  return Refuse(session);
}

bool Comparison(ParseSession& session, Expr*&, Expr*, Expr*, std::int32_t) {
  return Refuse(session);
}

bool LogicalNot(ParseSession& session, Expr*&, Expr*) {
  return Refuse(session);
}

bool Logical(ParseSession& session, Expr*&, Expr*, Expr*, std::int32_t) {
  return Refuse(session);
}

bool BitwiseNot(ParseSession& session, Expr*&, Expr*) {
  return Refuse(session);
}

bool Bitwise(ParseSession& session, Expr*&, Expr*, Expr*, std::int32_t) {
  return Refuse(session);
}

bool ListArgument(ParseSession& session, Expr*&, Expr*) {
  return Refuse(session);
}

Orv::ArgumentExpressionList* ArgumentListOf(ParseSession& session, Expr*) {
  Refuse(session);
  return nullptr;
}

Orv::ArgumentExpressionList* AppendArgument(Orv::ArgumentExpressionList*, Expr*) {
  return nullptr;
}

void KeepExpressionResult(ParseSession&, Expr*) {}

}  // namespace Velkor::OrvTessan
