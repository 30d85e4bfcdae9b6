// The direct reading of plain-word blocks. It first cuts the whole text into
// tokens as the scanner's rules would and follows the grammar's rules for
// these words, without side effects; only a block that passes is built, by
// the same actions the grammar's rules call. Where the generated parser
// needs a look-ahead token before it reduces a rule (an integer after an
// address could begin X1=..., an M word could be M5=..., the value of D5 or
// CR=3.2 could go on as an expression), the action runs after the scanner
// has read that token, and so it does here.
#include "parser/plain_block.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "parser/actions/block_actions.h"
#include "parser/actions/expression_literals.h"
#include "parser/actions/word_actions.h"

namespace Velkor::OrvTessan {
namespace {

// Longer blocks go to the grammar (the driver refuses them anyway).
constexpr std::size_t kLongestText = 511;

enum class Shape : std::uint8_t { kEnd, kName, kInteger, kReal, kPlus, kMinus, kEquals, kComment, kOther };

struct Token {
  Shape shape;
  std::uint16_t start;
  std::uint16_t length;
};

// How an address takes its value in a plain word: a signed constant,
// or an unsigned one as the expression of a fixed address (D5, CR=3.2).
enum class Taking : std::uint8_t { kConstant, kExpression };

struct WordAddress {
  AddressWord word;
  Taking taking;
};

// The address a name standing alone makes, as the scanner's address rules
// deliver it (the type of its value and its flag), when it is one that
// plain words use.
std::optional<WordAddress> AddressNamed(std::string_view name) {
  WordAddress address{{}, Taking::kConstant};
  name.copy(address.word.name, sizeof address.word.name - 1);
  address.word.valueType = kRealType;
  address.word.flag = 1;
  if (name.size() == 2) {
    if (name != "AC" && name != "CR" && name != "DL" && name != "FB" && name != "RP") return std::nullopt;
    address.taking = Taking::kExpression;
    return address;
  }
  switch (name.front()) {
    case 'D':
    case 'P':
      address.word.valueType = kIntType;
      address.taking = Taking::kExpression;
      return address;
    case 'H':
      address.word.flag = 0;
      return address;
    case 'T':
      address.word.valueType = kStringType;
      return address;
    case 'G':  // a character token, as are M, N and O
    case 'L':  // names a subprogram
    case 'M':
    case 'N':
    case 'O':
    case 'R':  // R1 is a parameter
      return std::nullopt;
    default:
      return address;
  }
}

enum class Step : std::uint8_t {
  kBlockNumber,
  kEndOfLabelPosition,
  kConstantWord,  // the constant, then the word
  kFixedValue,    // the literal of a fixed address's value
  kFixedWord,     // the word with that literal
  kGWord,
  kMWord,
  kComment,
};

// One action to run: its text (digits, a real number or a comment) is the
// token at `text`; an address word's name is the token at `name`, its value
// type and flag those the scanner gives it.
struct PlannedAction {
  Step step;
  bool real;
  bool negate;
  std::uint8_t nameLength;
  std::uint16_t name;
  std::uint16_t matchesSeen;  // match starts the scanner had noted by then
  std::uint16_t text;
  std::uint16_t textLength;
  std::uint8_t valueType;
  std::uint8_t flag;
};

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsWordCharacter(char c) {
  return IsLetter(c) || IsDigit(c) || c == '_';
}

class Recogniser {
 public:
  // `text` is followed by a NUL, as a string's characters are.
  explicit Recogniser(std::string_view text) : text_(text) {}

  // Plans the block's actions; false when the block is not plain.
  bool Recognise();

  // Runs the planned actions; false when one refused the block.
  bool Build(ParseSession& session) const;

 private:
  Token Next();
  Token Number(std::size_t start);
  Token Name(std::size_t start);
  bool PlanWord(Token& lookAhead);
  bool PlanConstantWord(const Token& name, const AddressWord& address, Token& lookAhead);
  bool PlanFixedWord(const Token& name, const AddressWord& address, Token& lookAhead);
  void Plan(Step step, const Token& text, const Token& name = {}, const AddressWord& address = {}, bool real = false,
            bool negate = false);
  bool RunAction(ParseSession& session, const PlannedAction& action, const char* text, Expr*& fixedValue) const;
  AddressWord AddressOf(const PlannedAction& action) const;
  // The empty text at the end, for an action that takes none.
  Token NoText() const { return {Shape::kEnd, static_cast<std::uint16_t>(text_.size()), 0}; }

  std::string_view text_;
  std::size_t position_ = 0;
  // Where each match of the scanner begins, blanks included.
  std::array<std::size_t, kLongestText> matchStarts_;
  std::size_t matchCount_ = 0;
  std::array<PlannedAction, kLongestText + 1> actions_;
  std::size_t actionCount_ = 0;
};

// The scanner's next token of the plain-word subset; whatever else it could
// be is kOther. A run of blanks is a match of its own that delivers nothing.
// The NUL after the text ends every run.
Token Recogniser::Next() {
  const char* const text = text_.data();
  if (IsBlank(text[position_])) {
    matchStarts_[matchCount_++] = position_;
    do ++position_;
    while (IsBlank(text[position_]));
  }
  const std::size_t start = position_;
  const auto at = static_cast<std::uint16_t>(start);
  if (start == text_.size()) return {Shape::kEnd, at, 0};
  matchStarts_[matchCount_++] = start;
  const char c = text[start];
  if (IsDigit(c) || c == '.') return Number(start);
  if (IsLetter(c)) return Name(start);
  ++position_;
  switch (c) {
    case '+':
      return {Shape::kPlus, at, 1};
    case '-':
      return {Shape::kMinus, at, 1};
    case '=':
      return {text[position_] == '=' ? Shape::kOther : Shape::kEquals, at, 1};
    case ';':
      // A comment runs to the line's end; one followed by a line end is
      // left to the grammar.
      if (text_.find('\n', start) != std::string_view::npos) break;
      position_ = text_.size();
      return {Shape::kComment, static_cast<std::uint16_t>(start + 1),
              static_cast<std::uint16_t>(position_ - start - 1)};
    default:
      break;
  }
  return {Shape::kOther, at, 1};
}

// Digits, or a real number with a point and digits on either side.
Token Recogniser::Number(std::size_t start) {
  const char* const text = text_.data();
  while (IsDigit(text[position_])) ++position_;
  const std::size_t whole = position_ - start;
  Shape shape = Shape::kInteger;
  if (text[position_] == '.') {
    const std::size_t point = ++position_;
    while (IsDigit(text[position_])) ++position_;
    shape = whole == 0 && position_ == point ? Shape::kOther : Shape::kReal;
  }
  return {shape, static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(position_ - start)};
}

// A letter standing alone, or two letters that no word character follows
// (CR); anything longer is a name or a keyword, left to the grammar.
Token Recogniser::Name(std::size_t start) {
  const char* const text = text_.data();
  ++position_;
  if (IsWordCharacter(text[position_]) && !IsDigit(text[position_])) {
    ++position_;
    if (IsWordCharacter(text[position_])) return {Shape::kOther, static_cast<std::uint16_t>(start), 3};
  }
  return {Shape::kName, static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(position_ - start)};
}

// Notes the action with the matches read so far.
void Recogniser::Plan(Step step, const Token& text, const Token& name, const AddressWord& address, bool real,
                      bool negate) {
  actions_[actionCount_++] = {step,
                              real,
                              negate,
                              static_cast<std::uint8_t>(name.length),
                              name.start,
                              static_cast<std::uint16_t>(matchCount_),
                              text.start,
                              text.length,
                              static_cast<std::uint8_t>(address.valueType),
                              address.flag};
}

AddressWord Recogniser::AddressOf(const PlannedAction& action) const {
  AddressWord address{};
  text_.copy(address.name, action.nameLength, action.name);
  address.valueType = action.valueType;
  address.flag = action.flag;
  return address;
}

// The rule `line` for a block of plain words: an optional block number, the
// end of the label position, words, an optional comment.
bool Recogniser::Recognise() {
  if (text_.size() > kLongestText) return false;
  Token token = Next();
  if (token.shape == Shape::kName && text_.substr(token.start, token.length) == "N") {
    const Token number = Next();
    if (number.shape != Shape::kInteger) return false;
    Plan(Step::kBlockNumber, number);
    token = Next();
  }
  // A first word no plain word has (a longer name such as IF, WHILE or
  // DEF, a bracket) gives the block up before the label's place is planned.
  if (token.shape == Shape::kOther) return false;
  // Decided on the look-ahead: a label could be there.
  Plan(Step::kEndOfLabelPosition, NoText());
  for (;;) {
    switch (token.shape) {
      case Shape::kEnd:
        return true;
      case Shape::kComment:
        Plan(Step::kComment, token);
        return true;
      case Shape::kName:
        if (!PlanWord(token)) return false;
        break;
      default:
        return false;
    }
  }
}

// A G or M word with its number, or an address with a constant; leaves the
// token after the word in `lookAhead`.
bool Recogniser::PlanWord(Token& lookAhead) {
  const Token name = lookAhead;
  const std::string_view letters = text_.substr(name.start, name.length);
  if (letters == "G" || letters == "M") {
    const Token number = Next();
    if (number.shape != Shape::kInteger) return false;
    if (letters == "G") {
      Plan(Step::kGWord, number);
      lookAhead = Next();
    } else {
      lookAhead = Next();
      Plan(Step::kMWord, number);
    }
    return true;
  }
  const std::optional<WordAddress> address = AddressNamed(letters);
  if (!address) return false;
  return address->taking == Taking::kConstant ? PlanConstantWord(name, address->word, lookAhead)
                                              : PlanFixedWord(name, address->word, lookAhead);
}

// Y2: the constant with its sign.
bool Recogniser::PlanConstantWord(const Token& name, const AddressWord& address, Token& lookAhead) {
  Token value = Next();
  const bool sign = value.shape == Shape::kPlus || value.shape == Shape::kMinus;
  const bool negate = value.shape == Shape::kMinus;
  if (sign) value = Next();
  if (value.shape == Shape::kReal) {
    Plan(Step::kConstantWord, value, name, address, true, negate);
    lookAhead = Next();
    return true;
  }
  if (value.shape != Shape::kInteger) return false;
  // An unsigned integer could be the extension of X1=...
  if (sign) {
    Plan(Step::kConstantWord, value, name, address, false, negate);
    lookAhead = Next();
  } else {
    lookAhead = Next();
    Plan(Step::kConstantWord, value, name, address, false, negate);
  }
  return true;
}

// D5, CR=3.2: an unsigned constant as the whole expression of a fixed
// address; the word waits for the token after it, which could go on with
// the expression or bring call arguments.
bool Recogniser::PlanFixedWord(const Token& name, const AddressWord& address, Token& lookAhead) {
  Token value = Next();
  if (value.shape == Shape::kEquals) value = Next();
  if (value.shape != Shape::kInteger && value.shape != Shape::kReal) return false;
  Plan(Step::kFixedValue, value, name, address, value.shape == Shape::kReal);
  lookAhead = Next();
  Plan(Step::kFixedWord, NoText(), name, address);
  return true;
}

bool Recogniser::RunAction(ParseSession& session, const PlannedAction& action, const char* text,
                           Expr*& fixedValue) const {
  switch (action.step) {
    case Step::kBlockNumber:
      return BlockNumber(session, "N", text);
    case Step::kEndOfLabelPosition:
      EndOfLabelPosition(session);
      return true;
    case Step::kConstantWord: {
      Expr* value = nullptr;
      const bool made = action.real ? RealConstant(session, value, text, action.negate)
                                    : IntegerConstant(session, value, text, action.negate);
      return made && ConstantAddressWord(session, AddressOf(action), value);
    }
    case Step::kFixedValue:
      return action.real ? RealLiteral(session, fixedValue, text) : IntegerLiteral(session, fixedValue, text);
    case Step::kFixedWord:
      return FixedAddressWord(session, AddressOf(action), fixedValue, nullptr);
    case Step::kGWord:
      return GWord(session, IntegerOfDigits(text));
    case Step::kMWord:
      return MWord(session, IntegerOfDigits(text));
    case Step::kComment:
      return Comment(session, text);
  }
  return false;
}

bool Recogniser::Build(ParseSession& session) const {
  // The texts the actions take, each ended by a NUL written over the first
  // character after it (which no action's text needs).
  std::array<char, kLongestText + 1> texts;
  text_.copy(texts.data(), text_.size());
  texts[text_.size()] = '\0';
  for (std::size_t i = 0; i < actionCount_; ++i) texts[actions_[i].text + actions_[i].textLength] = '\0';

  ScanState& scan = session.state.scan;
  // The scanner's first read takes the whole text.
  scan.readPosition = scan.currentText.size();
  std::vector<std::size_t>& starts = scan.matchStarts;
  starts.reserve(starts.size() + matchCount_);
  std::size_t noted = 0;
  Expr* fixedValue = nullptr;
  for (std::size_t i = 0; i < actionCount_; ++i) {
    const PlannedAction& action = actions_[i];
    for (; noted < action.matchesSeen; ++noted) starts.push_back(matchStarts_[noted]);
    if (!RunAction(session, action, texts.data() + action.text, fixedValue)) return false;
  }
  for (; noted < matchCount_; ++noted) starts.push_back(matchStarts_[noted]);
  return true;
}

}  // namespace

PlainBlockReading ReadPlainBlock(ParseSession& session) {
  const Orv::String& text = session.state.scan.currentText;
  Recogniser recogniser(std::string_view(text.data(), text.size()));
  if (!recogniser.Recognise()) return PlainBlockReading::kNotPlain;
  return recogniser.Build(session) ? PlainBlockReading::kAccepted : PlainBlockReading::kRefused;
}

bool IsPlainBlock(std::string_view text) {
  const std::string terminated(text);
  return Recogniser(terminated).Recognise();
}

}  // namespace Velkor::OrvTessan
