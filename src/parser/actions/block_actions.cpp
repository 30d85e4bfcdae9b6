// Placeholder actions: the blocks that need them are refused until the
// actions are written.
#include "parser/actions/block_actions.h"

#include "parser/actions/action_support.h"

namespace Velkor::OrvTessan {

bool ProgramHeader(ParseSession& session, const char*) {
  return Refuse(session);
}

bool ControllerLanguageSwitch(ParseSession& session) {
  return Refuse(session);
}

void SkipLevel(ParseSession&, std::int32_t) {}

bool BlockNumber(ParseSession& session, const char*, const char*) {
  return Refuse(session);
}

void EndOfLabelPosition(ParseSession&) {}

bool LabelDeclaration(ParseSession& session, const char*) {
  return Refuse(session);
}

bool Comment(ParseSession& session, const char*) {
  return Refuse(session);
}

void DefineMacro(ParseSession&, const char*, const char*) {}

bool Message(ParseSession& session, Expr*) {
  return Refuse(session);
}

}  // namespace Velkor::OrvTessan
