#include "parser/scanner_actions.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "parser/digit_value.h"
#include "parser/nc_grammar.h"
#include "parser/parse_state.h"

namespace Velkor::OrvTessan {
namespace {

bool StartsWith(const char* text, std::string_view prefix) {
  return std::strncmp(text, prefix.data(), prefix.size()) == 0;
}

}  // namespace

// The scanner takes all it can at once. Handed one character at a time, it
// goes back to the token's start and runs the automaton again up to the end
// of the buffer on every read, and moves the token to the buffer's start:
// that reading is kept for working out, after a syntax error, how far the
// scanner had looked (the message quotes that much).
int ScanActions::ReadInput(char* buffer, std::size_t capacity) {
  const std::size_t length = scan_.currentText.size();
  const std::size_t available = length - std::min(scan_.readPosition, length);
  const std::size_t count = std::min(available, scan_.oneCharacterAtATime ? std::size_t{1} : capacity);
  scan_.currentText.copy(buffer, count, scan_.readPosition);
  filled_ = buffer;
  filledPosition_ = scan_.readPosition;
  scan_.readPosition += count;
  return static_cast<int>(count);
}

namespace {
// Out of line, so that noting a start where there is room stays a few
// instructions in the action every token runs.
[[gnu::noinline]] void AppendGrowing(std::vector<std::size_t>& starts, std::size_t start) {
  starts.push_back(start);
}
}  // namespace

void ScanActions::Matched(const char* text, int length) {
  match_ = {text, static_cast<std::size_t>(length)};
  if (scan_.prescan) return;
  // A match read again under other rules begins where it began.
  const auto start = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(filledPosition_) + (text - filled_));
  std::vector<std::size_t>& starts = scan_.matchStarts;
  if (!starts.empty() && starts.back() == start) return;
  if (starts.size() == starts.capacity()) [[unlikely]] {
    AppendGrowing(starts, start);
  } else {
    starts.push_back(start);
  }
}

void ScanActions::Fatal(const char* message) {
  using Reason = ScannerFailure::Reason;
  const Reason reason = StartsWith(message, "input buffer overflow")   ? Reason::kTokenTooLong
                        : StartsWith(message, "out of dynamic memory") ? Reason::kOutOfMemory
                                                                       : Reason::kInternal;
  throw ScannerFailure(reason, message);
}

namespace {
// Out of line, so that the check every delivered token makes stays inlined
// in its action.
[[gnu::noinline]] void AppendExpanded(std::string& expanded, std::string_view text) {
  expanded.append(text);
}
}  // namespace

// Only the pre-scan's expansion is read: the main pass appends nothing.
void ScanActions::Append(std::string_view text) {
  if (scan_.prescan) AppendExpanded(scan_.expandedText, text);
}

// Texts longer than the record are cut; only the pre-scan and bare
// expressions meet such tokens, and neither needs more than the cut text.
void ScanActions::WriteText(std::string_view text) {
  const std::size_t length = std::min(text.size(), TokenValue::kMaxTextLength);
  std::memcpy(value_.text, text.data(), length);
  value_.text[length] = '\0';
  value_.textLength = length;
  value_.view = TokenValue::View::kText;
}

int ScanActions::Plain(int token) {
  Append(match_);
  return token;
}

int ScanActions::Text(int token) {
  return Text(token, match_);
}

int ScanActions::Text(int token, std::string_view text) {
  Append(match_);
  WriteText(text);
  return token;
}

int ScanActions::Integer(int token, std::int32_t value) {
  Append(match_);
  value_.integer = value;
  value_.view = TokenValue::View::kInteger;
  return token;
}

int ScanActions::Address(int token, std::int32_t valueType, std::uint8_t flag) {
  Append(match_);
  AddressWord word{};
  std::memcpy(word.name, match_.data(), std::min(match_.size(), TokenValue::kMaxAddressNameLength));
  word.valueType = valueType;
  word.flag = flag;
  value_.address = word;
  value_.view = TokenValue::View::kAddress;
  return token;
}

int ScanActions::Character() {
  Append(match_);
  return static_cast<unsigned char>(match_.front());
}

void ScanActions::Blank() {
  Append(match_);
}

int ScanActions::Number() {
  bool& programName = scan_.programName;
  if (!programName) return Text(INTEGER_VALUE);
  programName = false;
  return Text(STRING_VALUE);
}

int ScanActions::Constant(unsigned base) {
  // The digits follow the apostrophe and the base letter; the conversion
  // stops at the closing apostrophe.
  const std::int32_t value = WrappedDigitValue(match_.substr(2), base);
  char decimal[16];
  const char* end = std::to_chars(decimal, decimal + sizeof decimal, value).ptr;
  return Text(INTEGER_VALUE, std::string_view(decimal, static_cast<std::size_t>(end - decimal)));
}

int ScanActions::QuotedString() {
  return Text(STRING_VALUE, match_.substr(1, match_.size() - 2));
}

int ScanActions::Comment() {
  return Text(END_COMMENT, match_.substr(1));
}

int ScanActions::ProgramHeader() {
  return Text(PROGRAM_HEAD, match_.substr(std::strlen("%_N_")));
}

int ScanActions::Definition() {
  scan_.definition = true;
  return Plain(SI_DEFINE);
}

int ScanActions::ProgramNameAddress() {
  scan_.programName = true;
  return Address(FIX_ADDRESS, kStringType, 1);
}

int ScanActions::ParameterVariable(std::size_t prefixLength) {
  return Integer(AUX_VARNAME, WrappedDigitValue(match_.substr(prefixLength), 10));
}

int ScanActions::SystemVariable() {
  std::string_view name = match_;
  if (name.starts_with("$$")) name.remove_prefix(1);
  return Text(SYS_VARNAME, name);
}

int ScanActions::Expand(int token, std::string_view replacement) {
  Append(replacement);
  scan_.rejectedWord.clear();
  WriteText(match_);
  return token;
}

int ScanActions::Identifier() {
  const ScanState& scan = scan_;
  if (scan.prescan && !scan.definition) {
    const auto macro = macros_.find(match_);
    if (macro != macros_.end()) return Expand(SI_ID, macro->second);
  }
  return Text(SI_ID);
}

bool ScanActions::OneCharacterAtATime() const {
  return scan_.oneCharacterAtATime;
}

ScanActions::Condition ScanActions::CurrentCondition() const {
  const bool labels = scan_.labelAllowed;
  if (scan_.definition) return labels ? Condition::kDefinitionWithLabels : Condition::kDefinition;
  if (scan_.prescan) return labels ? Condition::kPrescanWithLabels : Condition::kPrescan;
  return labels ? Condition::kMainWithLabels : Condition::kMain;
}

// G, H, L or M with digits names a macro only where the table has it; the
// shorter parts of a word that does not are tried next (M17, then M1, then
// the letter alone), and a word that is no macro is kept as the rejected
// word.
int ScanActions::MacroNameLength() {
  for (int length = static_cast<int>(match_.size()); length >= 2; --length) {
    const std::string_view part = match_.substr(0, static_cast<std::size_t>(length));
    if (macros_.find(part) == macros_.end()) {
      scan_.rejectedWord.assign(part);
      continue;
    }
    // A macro name inside a longer word already found not to be a macro
    // (M17 inside M170) stays as it is.
    if (!std::string_view(scan_.rejectedWord).starts_with(part)) return length;
  }
  return 0;
}

int ScanActions::MacroName() {
  if (scan_.definition) return Text(MACRO_NAME);
  return Expand(MACRO_NAME, macros_.find(match_)->second);
}

int ScanActions::Label() {
  return Text(LABEL_DECL, match_.substr(0, match_.size() - 1));
}

// The rest of a definition line after AS: leading blanks skipped, cut at the
// first semicolon even inside quotes.
int ScanActions::MacroValue() {
  std::string_view value = match_.substr(2);
  value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
  return Text(SI_MACRO_VALUE, value.substr(0, value.find(';')));
}

}  // namespace Velkor::OrvTessan
