#include "parser/actions/word_actions.h"

#include <charconv>
#include <iterator>
#include <string>

#include "parser/actions/action_support.h"
#include "parser/actions/call_actions.h"
#include "parser/actions/expression_literals.h"
#include "parser/actions/statement_support.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

constexpr std::int32_t kGWordFlag = 1;
constexpr std::int32_t kMWordFlag = 0;
// The names of an address word's two arguments, made once: every word of a
// program has them.
const Orv::String kValueName = "Value";
const Orv::String kFlagName = "Flag";

// The value in the type its address expects; false when that takes a
// conversion the host cannot build.
bool ValueForAddress(ParseSession& session, const AddressWord& address, const Expr& value, ExpressionRef& converted) {
  if (value.type == address.valueType) {
    converted = value.expression;
    return true;
  }
  converted = ConvertExpression(session, value.expression, ParserToHostType(address.valueType));
  return static_cast<bool>(converted);
}

// Appends the word `name` with the value and the modifier ("Flag") that say
// how its address is set.
bool AppendAddressWord(ParseSession& session, std::string_view name, const AddressWord& address, const Expr& value,
                       const ExpressionRef& modifier) {
  ExpressionRef converted;
  if (!ValueForAddress(session, address, value, converted)) return Refuse(session);
  AppendCommand(session, name, NamedArguments({{kValueName, converted}, {kFlagName, modifier}}).get(), address.flag);
  return true;
}

// G1, M30: a word named by its letter and number, without arguments.
void AppendNumberedWord(ParseSession& session, char letter, std::int32_t number, std::int32_t flag) {
  char name[16] = {letter};
  const char* end = std::to_chars(name + 1, std::end(name), number).ptr;
  AppendCommand(session, std::string_view(name, static_cast<std::size_t>(end - name)), nullptr, flag);
}

// An M word whose name the host computes from the value when the block runs;
// the address extension, if written, is its "Value".
bool AppendComputedMWord(ParseSession& session, const Expr& value, const ExpressionRef* extension, bool quick) {
  const ExpressionRef name = ComputedMName(session, "M", value.expression);
  if (!name) return Refuse(session);
  SmartPointer<Orv::ArgumentExpressionList> arguments;
  if (extension || quick) arguments = NewArgumentList();
  if (extension) arguments->RegisterMapArgument("Value", extension->get());
  if (quick) arguments->RegisterMapArgument("FlagQU", BoolConstant(session, true).get());
  session.context->AddComputedCommand(AsExpression(name), arguments.get(), kMWordFlag);
  return true;
}

// How an address value is applied, as the text constant the word's "Flag"
// carries. Most words have none: one empty text serves every word of a
// block, as a constant's node holds nothing a later word could change.
ExpressionRef Modifier(ParseSession& session, std::string_view modifier) {
  if (!modifier.empty()) return StringConstant(session, modifier);
  ExpressionRef& none = session.state.statement.noModifier;
  if (!none) none = StringConstant(session, "");
  return none;
}

}  // namespace

bool IntegerConstant(ParseSession& session, Expr*& result, const char* digits, bool negate) {
  const std::int32_t number = negate ? NegatedIntegerOfDigits(digits) : IntegerOfDigits(digits);
  result = NewExpr(session, IntConstant(session, number), kIntType);
  return true;
}

bool RealConstant(ParseSession& session, Expr*& result, const char* text, bool negate) {
  const double number = RealOfText(text);
  result = NewExpr(session, RealConstantExpression(session, negate ? -number : number), kRealType);
  return true;
}

bool AddressValue(ParseSession& session, Expr*& result, Expr* value, const char* modifier) {
  value->modifier = Modifier(session, modifier);
  result = value;
  return true;
}

// D5, L100(1, 2): a fixed address; only the subprogram number L takes call
// arguments, adapted to the subprogram's passing modes when its number is
// known at parse time.
bool FixedAddressWord(ParseSession& session, const AddressWord& address, Expr* value,
                      Orv::ArgumentExpressionList* callArguments) {
  const std::string_view name = address.name;
  if (callArguments && name != "L") return Refuse(session);
  ExpressionRef converted;
  if (!ValueForAddress(session, address, *value, converted)) return Refuse(session);
  const SmartPointer<Orv::ArgumentExpressionList> arguments = callArguments ? callArguments : NewArgumentList();
  arguments->RegisterMapArgument("Value", converted.get());
  Orv::String number;
  if (TextKnownAtParseTime(converted, number)) {
    std::string subprogram(name);
    subprogram.append(number.data(), number.size());
    AdaptCallArguments(session, subprogram, arguments.get());
  }
  AppendCommand(session, name, arguments.get(), address.flag);
  return true;
}

bool ConstantAddressWord(ParseSession& session, const AddressWord& address, Expr* constant) {
  return AppendAddressWord(session, address.name, address, *constant, Modifier(session, ""));
}

bool AssignedAddressWord(ParseSession& session, const AddressWord& address, Expr* value) {
  return AppendAddressWord(session, address.name, address, *value, value->modifier);
}

// X1=..., SPOS2=...: the number extends the address name.
bool ExtendedAddressWord(ParseSession& session, const AddressWord& address, std::int32_t extension, Expr* value) {
  return AppendAddressWord(session, address.name + std::to_string(extension), address, *value, value->modifier);
}

// S[i]=...: the name is the address joined with the index when the block runs.
bool ComputedAddressWord(ParseSession& session, const AddressWord& address, Expr* index, Expr* value) {
  const ExpressionRef name =
      MakeBinaryExpression(session, StringConstant(session, address.name), index->expression, kPlusOperator);
  ExpressionRef converted;
  if (!name || !ValueForAddress(session, address, *value, converted)) return Refuse(session);
  const auto arguments = NamedArguments({{"Value", converted}, {"Flag", value->modifier}});
  session.context->AddComputedCommand(AsExpression(name), arguments.get(), address.flag);
  return true;
}

// FA[X]=...: an address set for the axis in brackets.
bool AxisAddressWord(ParseSession& session, const AddressWord& address, Expr* axis, Expr* value) {
  if (axis->type != kAxisType || AsStructExpression(axis->expression) == nullptr) return Refuse(session);
  ExpressionRef converted;
  if (!ValueForAddress(session, address, *value, converted)) return Refuse(session);
  const auto arguments = NamedArguments(
      {{"Value", converted}, {"Flag", value->modifier}, {"Axis", MemberExpression(session, axis->expression, "Name")}});
  const std::string_view name = address.name;
  if (name == "POS") {
    // POS tells the host whether it stands in a synchronized action.
    const bool synchronized = session.state.statement.syncKind != kNoSynchronizedAction;
    arguments->RegisterMapArgument("SyncCall", BoolConstant(session, synchronized).get());
  }
  AppendCommand(session, name, arguments.get(), address.flag);
  return true;
}

bool GWord(ParseSession& session, std::int32_t number) {
  AppendNumberedWord(session, 'G', number, kGWordFlag);
  return true;
}

bool GroupGWord(ParseSession& session, Expr* group, Expr* value) {
  const auto arguments = NamedArguments({{"Group", group->expression}, {"Value", value->expression}});
  AppendCommand(session, "G", arguments.get(), kGWordFlag);
  return true;
}

bool MWord(ParseSession& session, std::int32_t number) {
  AppendNumberedWord(session, 'M', number, kMWordFlag);
  return true;
}

bool ComputedMWord(ParseSession& session, Expr* value, bool quick) {
  return AppendComputedMWord(session, *value, nullptr, quick);
}

bool NumberedMWord(ParseSession& session, std::int32_t extension, Expr* value, bool quick) {
  const ExpressionRef extensionConstant = IntConstant(session, extension);
  return AppendComputedMWord(session, *value, &extensionConstant, quick);
}

bool IndexedMWord(ParseSession& session, Expr* index, Expr* value, bool quick) {
  return AppendComputedMWord(session, *value, &index->expression, quick);
}

}  // namespace Velkor::OrvTessan
