// Expression building blocks shared by the actions of every theme: operator
// nodes with the parser's checks, truth values, conversions, and the calls of
// the controller functions the parser inserts by name.
#pragma once

#include <initializer_list>
#include <string_view>

#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

// A binary node of both operands, when both are basic-result expressions and
// the host builds it; empty otherwise.
ExpressionRef MakeBinaryExpression(ParseSession& session, const ExpressionRef& left, const ExpressionRef& right,
                                   std::int32_t operatorCode);
// The truth value of a BOOL, INT, REAL or CHAR expression; empty for any
// other type or a node that is no basic-result expression.
ExpressionRef ToBooleanExpression(ParseSession& session, const Expr& value);
// An index usable for an axis: a number as it is, an AXIS as its joint
// number; empty otherwise.
ExpressionRef AxisIndexExpression(ParseSession& session, const Expr& value);
bool IsRealResult(std::int32_t leftType, std::int32_t rightType);
// prefix + (value converted to host INT), the name of a computed M command.
ExpressionRef ComputedMName(ParseSession& session, std::string_view prefix, const ExpressionRef& value);

// The expression converted to a host basic type; empty unless it is a
// basic-result expression.
ExpressionRef ConvertExpression(ParseSession& session, const ExpressionRef& value, std::int32_t hostType);
ExpressionRef UnaryExpression(ParseSession& session, const ExpressionRef& operand, std::int32_t operatorCode);
// The member of a structure expression (an AXIS's "Name", for instance).
ExpressionRef MemberExpression(ParseSession& session, const ExpressionRef& structure, std::string_view member);
// A host function call; absent or non-basic arguments are passed empty.
ExpressionRef FunctionCall(ParseSession& session, std::string_view name,
                           std::initializer_list<ExpressionRef> arguments);
// "GetJointNumber" of an axis name expression.
ExpressionRef JointNumber(ParseSession& session, const ExpressionRef& axisName);
// "FormatString" of a value: its text.
ExpressionRef FormatString(ParseSession& session, const ExpressionRef& value);

}  // namespace Velkor::OrvTessan
