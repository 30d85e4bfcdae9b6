// Placeholder actions: the blocks that need them are refused until the
// actions are written.
#include "parser/actions/word_actions.h"

#include "parser/actions/action_support.h"

namespace Velkor::OrvTessan {

bool IntegerConstant(ParseSession& session, Expr*&, const char*, bool) {
  return Refuse(session);
}

bool RealConstant(ParseSession& session, Expr*&, const char*, bool) {
  return Refuse(session);
}

bool AddressValue(ParseSession& session, Expr*&, Expr*, const char*) {
  return Refuse(session);
}

bool FixedAddressWord(ParseSession& session, const AddressWord&, Expr*, Orv::ArgumentExpressionList*) {
  return Refuse(session);
}

bool ConstantAddressWord(ParseSession& session, const AddressWord&, Expr*) {
  return Refuse(session);
}

bool AssignedAddressWord(ParseSession& session, const AddressWord&, Expr*) {
  return Refuse(session);
}

bool ExtendedAddressWord(ParseSession& session, const AddressWord&, std::int32_t, Expr*) {
  return Refuse(session);
}

bool ComputedAddressWord(ParseSession& session, const AddressWord&, Expr*, Expr*) {
  return Refuse(session);
}

bool AxisAddressWord(ParseSession& session, const AddressWord&, Expr*, Expr*) {
  return Refuse(session);
}

bool GWord(ParseSession& session, std::int32_t) {
  return Refuse(session);
}

bool GroupGWord(ParseSession& session, Expr*, Expr*) {
  return Refuse(session);
}

bool MWord(ParseSession& session, std::int32_t) {
  return Refuse(session);
}

bool ComputedMWord(ParseSession& session, Expr*, bool) {
  return Refuse(session);
}

bool NumberedMWord(ParseSession& session, std::int32_t, Expr*, bool) {
  return Refuse(session);
}

bool IndexedMWord(ParseSession& session, Expr*, Expr*, bool) {
  return Refuse(session);
}

}  // namespace Velkor::OrvTessan
