// Placeholder actions: the blocks that need them are refused until the
// actions are written.
#include "parser/actions/sync_actions.h"

#include "parser/actions/action_support.h"

namespace Velkor::OrvTessan {

bool SetInterrupt(ParseSession& session, Expr*, Expr*, const char*, std::int32_t) {
  return Refuse(session);
}

bool BeginConditionalAction(ParseSession& session, const char*, std::int32_t, Expr*) {
  return Refuse(session);
}

bool BeginUnconditionalAction(ParseSession& session, const char*) {
  return Refuse(session);
}

void EndSynchronizedAction(ParseSession&) {}

void CancelAction(ParseSession&, const char*) {}

}  // namespace Velkor::OrvTessan
