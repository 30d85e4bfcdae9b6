// Actions of synchronized actions (heads, end, CANCEL) and of SETINT.
#pragma once

#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

bool SetInterrupt(ParseSession& session, Expr* input, Expr* priority, const char* routine, std::int32_t liftfast);
bool BeginConditionalAction(ParseSession& session, const char* id, std::int32_t kind, Expr* condition);
bool BeginUnconditionalAction(ParseSession& session, const char* id);
void EndSynchronizedAction(ParseSession& session);
void CancelAction(ParseSession& session, const char* id);

}  // namespace Velkor::OrvTessan
