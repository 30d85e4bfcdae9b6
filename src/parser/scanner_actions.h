// What the rules of the generated scanner do: where it reads its characters
// from, what each action appends to the expanded text, and what it writes
// into the instance's value record. One object per scanner instance; the
// input, flags, expanded text and macro table it works on are shared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace Velkor::OrvTessan {

struct ScanState;
struct TokenValue;

// Macro name to replacement text, ordered byte-wise.
using MacroTable = std::map<std::string, std::string, std::less<>>;

class ScanActions {
 public:
  // Which of the rules that depend on the flags apply: labels while they
  // are allowed; in a definition, macro names and the value after AS;
  // during the pre-scan otherwise, macro names that the table has.
  enum class Condition {
    kMain,
    kMainWithLabels,
    kPrescan,
    kPrescanWithLabels,
    kDefinition,
    kDefinitionWithLabels,
  };

  ScanActions(ScanState& scan, const MacroTable& macros, TokenValue& value)
      : scan_(scan), macros_(macros), value_(value) {}

  // Hands the scanner the next characters of the current text (at most
  // `capacity`); 0 at its end.
  int ReadInput(char* buffer, std::size_t capacity);
  Condition CurrentCondition() const;
  bool OneCharacterAtATime() const;
  // Runs before every action with the text the action matched; in the main
  // pass it notes where the match began.
  void Matched(const char* text, int length);
  // The scanner cannot go on with this text.
  [[noreturn]] static void Fatal(const char* message);

  // Delivering actions: each appends the match to the pre-scan's expanded text, writes
  // the view its token carries and returns the token code.
  int Plain(int token);
  int Text(int token);
  int Text(int token, std::string_view text);
  int Integer(int token, std::int32_t value);
  int Address(int token, std::int32_t valueType, std::uint8_t flag);
  int Character();
  int QuotedString();
  int Comment();
  int ProgramHeader();
  // 'B101' and 'H1F': the digits in `base`, as signed decimal text.
  int Constant(unsigned base);
  // A run of digits; right after the address L it names a program.
  int Number();
  int ProgramNameAddress();
  // DEFINE: the rest of the block defines a macro.
  int Definition();
  // R5 and $R5: the number after the prefix.
  int ParameterVariable(std::size_t prefixLength);
  int SystemVariable();
  // During the pre-scan a macro name appends its replacement instead.
  int Identifier();

  // The whitespace rule appends its match and delivers nothing.
  void Blank();

  // During the pre-scan, of a G/H/L/M word with digits: the length of its
  // longest leading part that names a macro outside a longer word already
  // found to be none; 0 when no part does (the letter is then a token of
  // its own).
  int MacroNameLength();
  // The macro name matched: in the pre-scan its replacement is appended.
  int MacroName();
  int Label();
  int MacroValue();

 private:
  void Append(std::string_view text);
  void WriteText(std::string_view text);
  int Expand(int token, std::string_view replacement);

  ScanState& scan_;
  const MacroTable& macros_;
  TokenValue& value_;
  std::string_view match_;
  // The last read put the text from position filledPosition_ on at filled_
  // in the scanner's buffer; the characters before it there are the ones
  // before it in the text.
  const char* filled_ = nullptr;
  std::size_t filledPosition_ = 0;
};

}  // namespace Velkor::OrvTessan
