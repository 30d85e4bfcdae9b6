// Actions of jumps and structured control flow. Each structure keyword turns
// into label marks and jumps of its own block; the host pairs them at run
// time, so nothing here outlives a block except what the host keeps.
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

bool IfHead(ParseSession& session, Expr* condition);
bool OneLineIfEnd(ParseSession& session);
bool Else(ParseSession& session);
bool EndIf(ParseSession& session);
bool Loop(ParseSession& session);
bool EndLoop(ParseSession& session);
bool For(ParseSession& session, Expr* variable, Expr* start, Expr* end);
bool EndFor(ParseSession& session);
bool While(ParseSession& session, Expr* condition);
bool EndWhile(ParseSession& session);
bool RepeatMark(ParseSession& session);
bool Until(ParseSession& session, Expr* condition);
bool RepeatRange(ParseSession& session, const char* startLabel, Expr* endLabel, Expr* count);
bool RepeatBlock(ParseSession& session, Expr* label, Expr* count);
bool DefaultRepeatCount(ParseSession& session, Expr*& result);
bool RepeatCount(ParseSession& session, Expr*& result, const AddressWord& address, Expr* count);

}  // namespace Velkor::OrvTessan
