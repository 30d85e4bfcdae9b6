// Actions of jumps to labels: label expressions, GOTO, GOTOF, GOTOB and
// CASE. A jump names its target as a text the host looks up at run time.
#pragma once

#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

bool LabelName(ParseSession& session, Expr*& result, const char* name);
bool PrefixLabelConcatenation(ParseSession& session, Expr*& result, Expr* operand);
bool LabelConcatenation(ParseSession& session, Expr*& result, Expr* left, Expr* right);
bool Goto(ParseSession& session, std::int32_t direction, Expr* label);

bool CaseSelector(ParseSession& session, Expr* selector);
bool CaseBranch(ParseSession& session, std::int32_t value, std::int32_t direction, const char* label);
bool CaseDefault(ParseSession& session, std::int32_t direction, const char* label);

}  // namespace Velkor::OrvTessan
