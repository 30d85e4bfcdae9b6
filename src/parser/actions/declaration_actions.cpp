// Placeholder actions: the blocks that need them are refused until the
// actions are written.
#include "parser/actions/declaration_actions.h"

#include "parser/actions/action_support.h"

namespace Velkor::OrvTessan {

std::int32_t UnqualifiedScope(ParseSession&) {
  return 0;
}

void BeginDeclaration(ParseSession&, std::int32_t, std::int32_t) {}

bool DeclareScalar(ParseSession& session, const char*, Expr*) {
  return Refuse(session);
}

bool DeclareArray(ParseSession& session, const char*, std::int32_t, ArrayInitializer*) {
  return Refuse(session);
}

bool DeclareTwoDimensionalArray(ParseSession& session, const char*, std::int32_t, std::int32_t, ArrayInitializer*) {
  return Refuse(session);
}

bool Redeclare(ParseSession& session, const char*) {
  return Refuse(session);
}

ArrayInitializer* ListInitializer(ParseSession& session, Orv::ArgumentExpressionList*) {
  Refuse(session);
  return nullptr;
}

ArrayInitializer* RepeatInitializer(ParseSession& session, Expr*) {
  Refuse(session);
  return nullptr;
}

}  // namespace Velkor::OrvTessan
