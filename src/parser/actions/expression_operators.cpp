// Operators of expressions: frame chaining, concatenation, arithmetic,
// comparison, logical and bitwise operators, with the parser's type checks.
#include "parser/actions/expression_operators.h"

#include "parser/actions/action_support.h"
#include "parser/actions/expression_helpers.h"
#include "parser/actions/host_operators.h"
#include "parser/error_routine.h"

namespace Velkor::OrvTessan {
namespace {

bool IsNumeric(std::int32_t type) {
  return type == kCharType || type == kIntType || type == kRealType;
}

bool IsFrameStructure(const Expr* value) {
  return value->type == kFrameType && AsStructExpression(value->expression) != nullptr;
}

// Texts stay as they are; anything else is turned into its text.
ExpressionRef AsText(ParseSession& session, const Expr* value) {
  return value->type == kStringType ? value->expression : FormatString(session, value->expression);
}

ExpressionRef DefaultGeometryAxis(ParseSession& session, const char* function) {
  ExpressionRef call;
  session.host().expressions->CreateFunctionExpression(0, nullptr, function, call);
  return call;
}

}  // namespace

// F1 : F2 applies F2 first; the product is built with the right operand first.
// When the host knows the channel's default geometry axes, they are passed
// along so the product works on them.
bool FrameChain(ParseSession& session, Expr*& result, Expr* left, Expr* right) {
  if (!IsFrameStructure(left) || !IsFrameStructure(right)) return Refuse(session);
  static const char* const kGeometryAxisFunctions[] = {"GetDefaultXGeoAxis", "GetDefaultYGeoAxis",
                                                       "GetDefaultZGeoAxis"};
  Orv::IExecutionContext* context = session.host().executionContext;
  bool geometryAxesKnown = true;
  for (const char* function : kGeometryAxisFunctions) {
    if (!context->IsDefined(function)) {
      geometryAxesKnown = false;
      break;
    }
  }
  ExpressionRef product;
  if (geometryAxesKnown) {
    const ExpressionRef x = DefaultGeometryAxis(session, kGeometryAxisFunctions[0]);
    const ExpressionRef y = DefaultGeometryAxis(session, kGeometryAxisFunctions[1]);
    const ExpressionRef z = DefaultGeometryAxis(session, kGeometryAxisFunctions[2]);
    Orv::INCObjectExpression* arguments[] = {right->expression.get(), left->expression.get(), x.get(), y.get(),
                                             z.get()};
    session.host().methodCalls->CreateMethodExpression(5, arguments, "MultiplyFrames", product);
  } else {
    Orv::INCObjectExpression* arguments[] = {right->expression.get(), left->expression.get()};
    session.host().methodCalls->CreateMethodExpressionFromObjects(2, arguments, "MultiplyFrames", product);
  }
  return Produce(session, result, std::move(product), kFrameType);
}

bool PrefixConcatenation(ParseSession& session, Expr*& result, Expr* operand) {
  return Produce(session, result, AsText(session, operand), kStringType);
}

bool Concatenation(ParseSession& session, Expr*& result, Expr* left, Expr* right) {
  if (AsExpression(left->expression) == nullptr || AsExpression(right->expression) == nullptr) return Refuse(session);
  return Produce(session, result,
                 MakeBinaryExpression(session, AsText(session, left), AsText(session, right), kPlusOperator),
                 kStringType);
}

bool Arithmetic(ParseSession& session, Expr*& result, Expr* left, Expr* right, std::int32_t operatorCode) {
  return Produce(session, result, MakeBinaryExpression(session, left->expression, right->expression, operatorCode),
                 IsRealResult(left->type, right->type) ? kRealType : kIntType);
}

// A division is always a real division: an integer dividend becomes REAL.
bool Division(ParseSession& session, Expr*& result, Expr* left, Expr* right) {
  if (AsExpression(left->expression) == nullptr || AsExpression(right->expression) == nullptr) return Refuse(session);
  const ExpressionRef dividend =
      left->type == kRealType ? left->expression : ConvertExpression(session, left->expression, Orv::BasicType::Real);
  return Produce(session, result, MakeBinaryExpression(session, dividend, right->expression, kDivideOperator),
                 kRealType);
}

bool IntegerDivision(ParseSession& session, Expr*& result, Expr* left, Expr* right) {
  if (left->type != kIntType || right->type != kIntType) return Refuse(session);
  return Produce(session, result, MakeBinaryExpression(session, left->expression, right->expression, kDivideOperator),
                 kIntType);
}

bool Modulo(ParseSession& session, Expr*& result, Expr* left, Expr* right) {
  const auto isNumber = [](std::int32_t type) { return type == kIntType || type == kRealType; };
  if (!isNumber(left->type) || !isNumber(right->type)) {
    ReportParseError(session, "Wrong argument type in MOD operator!");
    return false;
  }
  return Produce(session, result, MakeBinaryExpression(session, left->expression, right->expression, kModuloOperator),
                 left->type);
}

bool Negation(ParseSession& session, Expr*& result, Expr* operand) {
  return Produce(session, result, UnaryExpression(session, operand->expression, kNegationOperator), operand->type);
}

// AXIS and FRAME values compare as objects, and only for (in)equality.
bool Comparison(ParseSession& session, Expr*& result, Expr* left, Expr* right, std::int32_t comparisonCode) {
  if (left->type != kAxisType && right->type != kFrameType)
    return Produce(session, result, MakeBinaryExpression(session, left->expression, right->expression, comparisonCode),
                   kBoolType);
  if (comparisonCode != kEqualOperator && comparisonCode != kUnequalOperator) return Refuse(session);
  Orv::INCObjectExpression* operands[] = {left->expression.get(), right->expression.get()};
  ExpressionRef equal;
  session.host().expressions->CreateObjectFunctionExpression(2, operands, "IsEqualObject", equal);
  if (equal && comparisonCode == kUnequalOperator) equal = UnaryExpression(session, equal, kNegationOperator);
  return Produce(session, result, std::move(equal), kBoolType);
}

bool LogicalNot(ParseSession& session, Expr*& result, Expr* operand) {
  const ExpressionRef truth = ToBooleanExpression(session, *operand);
  if (!truth) return Refuse(session);
  return Produce(session, result, UnaryExpression(session, truth, kNegationOperator), kBoolType);
}

bool Logical(ParseSession& session, Expr*& result, Expr* left, Expr* right, std::int32_t operatorCode) {
  const ExpressionRef leftTruth = ToBooleanExpression(session, *left);
  const ExpressionRef rightTruth = ToBooleanExpression(session, *right);
  if (!leftTruth || !rightTruth) return Refuse(session);
  return Produce(session, result, MakeBinaryExpression(session, leftTruth, rightTruth, operatorCode), kBoolType);
}

bool BitwiseNot(ParseSession& session, Expr*& result, Expr* operand) {
  if (!IsNumeric(operand->type)) return Refuse(session);
  return Produce(session, result, UnaryExpression(session, operand->expression, kBitwiseNotOperator), kIntType);
}

bool Bitwise(ParseSession& session, Expr*& result, Expr* left, Expr* right, std::int32_t operatorCode) {
  if (!IsNumeric(left->type) || !IsNumeric(right->type)) return Refuse(session);
  return Produce(session, result, MakeBinaryExpression(session, left->expression, right->expression, operatorCode),
                 kIntType);
}

}  // namespace Velkor::OrvTessan
