// Actions of words: address words with their values and modifiers, G and M
// words. Every word becomes one command of the block.
#pragma once

#include "orv/arguments.h"
#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

bool IntegerConstant(ParseSession& session, Expr*& result, const char* digits, bool negate);
bool RealConstant(ParseSession& session, Expr*& result, const char* text, bool negate);
bool AddressValue(ParseSession& session, Expr*& result, Expr* value, const char* modifier);

bool FixedAddressWord(ParseSession& session, const AddressWord& address, Expr* value,
                      Orv::ArgumentExpressionList* callArguments);
bool ConstantAddressWord(ParseSession& session, const AddressWord& address, Expr* constant);
bool AssignedAddressWord(ParseSession& session, const AddressWord& address, Expr* value);
bool ExtendedAddressWord(ParseSession& session, const AddressWord& address, std::int32_t extension, Expr* value);
bool ComputedAddressWord(ParseSession& session, const AddressWord& address, Expr* index, Expr* value);
bool AxisAddressWord(ParseSession& session, const AddressWord& address, Expr* axis, Expr* value);

bool GWord(ParseSession& session, std::int32_t number);
bool GroupGWord(ParseSession& session, Expr* group, Expr* value);
bool MWord(ParseSession& session, std::int32_t number);
bool ComputedMWord(ParseSession& session, Expr* value, bool quick);
bool NumberedMWord(ParseSession& session, std::int32_t extension, Expr* value, bool quick);
bool IndexedMWord(ParseSession& session, Expr* index, Expr* value, bool quick);

}  // namespace Velkor::OrvTessan
