// Actions of structured control flow: IF/ELSE/ENDIF, LOOP, FOR, WHILE,
// REPEAT/UNTIL and the label-range repetitions. Each structure keyword turns
// into label marks and jumps of its own block; the host pairs them at run
// time, so nothing here outlives a block except what the host keeps.
#pragma once

#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

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
