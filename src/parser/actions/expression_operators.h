// Actions of the operators of expressions: frame chaining, concatenation,
// arithmetic, comparison, logical and bitwise operators. Each builds host
// expressions through the factories, with the parser's type checks, and keeps
// the parser type beside them; none evaluates anything.
#pragma once

#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

bool FrameChain(ParseSession& session, Expr*& result, Expr* left, Expr* right);
bool PrefixConcatenation(ParseSession& session, Expr*& result, Expr* operand);
bool Concatenation(ParseSession& session, Expr*& result, Expr* left, Expr* right);
bool Arithmetic(ParseSession& session, Expr*& result, Expr* left, Expr* right, std::int32_t operatorCode);
bool Division(ParseSession& session, Expr*& result, Expr* left, Expr* right);
bool IntegerDivision(ParseSession& session, Expr*& result, Expr* left, Expr* right);
bool Modulo(ParseSession& session, Expr*& result, Expr* left, Expr* right);
bool Negation(ParseSession& session, Expr*& result, Expr* operand);
bool Comparison(ParseSession& session, Expr*& result, Expr* left, Expr* right, std::int32_t comparisonCode);
bool LogicalNot(ParseSession& session, Expr*& result, Expr* operand);
bool Logical(ParseSession& session, Expr*& result, Expr* left, Expr* right, std::int32_t operatorCode);
bool BitwiseNot(ParseSession& session, Expr*& result, Expr* operand);
bool Bitwise(ParseSession& session, Expr*& result, Expr* left, Expr* right, std::int32_t operatorCode);

}  // namespace Velkor::OrvTessan
