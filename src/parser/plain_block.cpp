// The direct reading of plain-word blocks. It first cuts the whole text into
// tokens as the scanner's rules would and follows the grammar's rules for
// these words, without side effects; only a block that passes is built, by
// the same actions the grammar's rules call. Where the generated parser
// needs a look-ahead token before it reduces a rule (an integer after an
// address could begin X1=..., an M word could be M5=...), the action runs
// after the scanner has read that token, and so it does here.
#include "parser/plain_block.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "parser/actions/block_actions.h"
#include "parser/actions/expression_literals.h"
#include "parser/actions/word_actions.h"

namespace Velkor::OrvTessan {
namespace {

// Longer blocks go to the grammar (the driver refuses them anyway).
constexpr std::size_t kLongestText = 511;

enum class Shape : std::uint8_t { kEnd, kLetter, kInteger, kReal, kPlus, kMinus, kComment, kOther };

struct Token {
  Shape shape;
  std::uint16_t start;
  std::uint16_t length;
};

enum class Step : std::uint8_t { kBlockNumber, kEndOfLabelPosition, kConstantWord, kGWord, kMWord, kComment };

// One action to run: `text` is the offset of its NUL-terminated text (digits,
// a real number or a comment) in the recogniser's text store.
struct PlannedAction {
  Step step;
  char letter;  // of a constant word
  bool real;
  bool negate;
  std::uint16_t matchesSeen;  // match starts the scanner had noted by then
  std::uint16_t text;
};

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// What makes a letter the start of a longer name or keyword.
bool ContinuesAName(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// The address a letter standing alone makes when it takes a constant, as the
// scanner's address rules deliver it: the type of its value and its flag.
std::optional<AddressWord> ConstantAddress(char letter) {
  AddressWord address{};
  address.name[0] = letter;
  address.valueType = kRealType;
  address.flag = 1;
  switch (letter) {
    case 'H':
      address.flag = 0;
      return address;
    case 'T':
      address.valueType = kStringType;
      return address;
    case 'D':
    case 'G':
    case 'L':
    case 'M':
    case 'N':
    case 'O':
    case 'P':
    case 'R':
      return std::nullopt;
    default:
      return letter >= 'A' && letter <= 'Z' ? std::optional(address) : std::nullopt;
  }
}

class Recogniser {
 public:
  explicit Recogniser(std::string_view text) : text_(text) {}

  // Plans the block's actions; false when the block is not plain.
  bool Recognise();

  // Runs the planned actions; false when one refused the block.
  bool Build(ParseSession& session) const;

 private:
  Token Next();
  Token Number(std::size_t start);
  bool PlanWord(Token& lookAhead);
  void Plan(Step step, const Token& text, char letter = 0, bool real = false, bool negate = false);
  bool RunAction(ParseSession& session, const PlannedAction& action) const;
  void NoteMatches(std::vector<std::size_t>& starts, std::size_t& noted, std::size_t count) const;
  const char* TextOf(const PlannedAction& action) const { return texts_.data() + action.text; }

  std::string_view text_;
  std::size_t position_ = 0;
  // Where each match of the scanner begins, blanks included.
  std::array<std::uint16_t, kLongestText> matchStarts_;
  std::size_t matchCount_ = 0;
  std::array<PlannedAction, kLongestText + 1> actions_;
  std::size_t actionCount_ = 0;
  // Every token text once, NUL-terminated, as the actions take them: no
  // longer than the characters it took, plus its NUL.
  std::array<char, 2 * kLongestText + 1> texts_;
  std::size_t textsUsed_ = 0;
};

// The scanner's next token of the plain-word subset; whatever else it could
// be is kOther. A run of blanks is a match of its own that delivers nothing.
Token Recogniser::Next() {
  const std::size_t size = text_.size();
  if (position_ < size && IsBlank(text_[position_])) {
    matchStarts_[matchCount_++] = static_cast<std::uint16_t>(position_);
    while (position_ < size && IsBlank(text_[position_])) ++position_;
  }
  const auto start = static_cast<std::uint16_t>(position_);
  if (position_ == size) return {Shape::kEnd, start, 0};
  matchStarts_[matchCount_++] = start;
  const char c = text_[position_];
  if (IsDigit(c) || c == '.') return Number(position_);
  ++position_;
  if (c >= 'A' && c <= 'Z') {
    // Two letters in a row begin a name or a keyword.
    if (position_ < size && ContinuesAName(text_[position_])) return {Shape::kOther, start, 1};
    return {Shape::kLetter, start, 1};
  }
  if (c == '+') return {Shape::kPlus, start, 1};
  if (c == '-') return {Shape::kMinus, start, 1};
  // A comment runs to the line's end; one followed by a line end is left to
  // the grammar.
  if (c == ';' && text_.find('\n', start) == std::string_view::npos) {
    position_ = size;
    return {Shape::kComment, static_cast<std::uint16_t>(start + 1), static_cast<std::uint16_t>(size - start - 1)};
  }
  return {Shape::kOther, start, 1};
}

// Digits, or a real number with a point and digits on either side.
Token Recogniser::Number(std::size_t start) {
  const auto digitsFrom = [this](std::size_t from) {
    while (position_ < text_.size() && IsDigit(text_[position_])) ++position_;
    return position_ - from;
  };
  const std::size_t whole = digitsFrom(start);
  Shape shape = Shape::kInteger;
  if (position_ < text_.size() && text_[position_] == '.') {
    ++position_;
    const std::size_t fraction = digitsFrom(position_);
    shape = whole + fraction == 0 ? Shape::kOther : Shape::kReal;
  }
  return {shape, static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(position_ - start)};
}

// Notes the action with the matches read so far and keeps its text.
void Recogniser::Plan(Step step, const Token& text, char letter, bool real, bool negate) {
  actions_[actionCount_++] = {
      step, letter, real, negate, static_cast<std::uint16_t>(matchCount_), static_cast<std::uint16_t>(textsUsed_)};
  text_.copy(texts_.data() + textsUsed_, text.length, text.start);
  textsUsed_ += text.length;
  texts_[textsUsed_++] = '\0';
}

// The rule `line` for a block of plain words: an optional block number, the
// end of the label position, words, an optional comment.
bool Recogniser::Recognise() {
  if (text_.size() > kLongestText) return false;
  Token token = Next();
  if (token.shape == Shape::kLetter && text_[token.start] == 'N') {
    const Token number = Next();
    if (number.shape != Shape::kInteger) return false;
    Plan(Step::kBlockNumber, number);
    token = Next();
  }
  // Decided on the look-ahead: a label could be there.
  Plan(Step::kEndOfLabelPosition, {});
  for (;;) {
    switch (token.shape) {
      case Shape::kEnd:
        return true;
      case Shape::kComment:
        Plan(Step::kComment, token);
        return true;
      case Shape::kLetter:
        if (!PlanWord(token)) return false;
        break;
      default:
        return false;
    }
  }
}

// A G or M word with its number, or an address with a signed constant;
// leaves the token after the word in `lookAhead`.
bool Recogniser::PlanWord(Token& lookAhead) {
  const char letter = text_[lookAhead.start];
  if (letter == 'G' || letter == 'M') {
    const Token number = Next();
    if (number.shape != Shape::kInteger) return false;
    if (letter == 'G') {
      Plan(Step::kGWord, number);
      lookAhead = Next();
    } else {
      lookAhead = Next();
      Plan(Step::kMWord, number);
    }
    return true;
  }
  if (!ConstantAddress(letter)) return false;
  Token value = Next();
  const bool sign = value.shape == Shape::kPlus || value.shape == Shape::kMinus;
  const bool negate = value.shape == Shape::kMinus;
  if (sign) value = Next();
  if (value.shape == Shape::kReal) {
    Plan(Step::kConstantWord, value, letter, true, negate);
    lookAhead = Next();
    return true;
  }
  if (value.shape != Shape::kInteger) return false;
  // An unsigned integer could be the extension of X1=...
  if (sign) {
    Plan(Step::kConstantWord, value, letter, false, negate);
    lookAhead = Next();
  } else {
    lookAhead = Next();
    Plan(Step::kConstantWord, value, letter, false, negate);
  }
  return true;
}

void Recogniser::NoteMatches(std::vector<std::size_t>& starts, std::size_t& noted, std::size_t count) const {
  starts.insert(starts.end(), matchStarts_.begin() + noted, matchStarts_.begin() + count);
  noted = count;
}

bool Recogniser::RunAction(ParseSession& session, const PlannedAction& action) const {
  const char* text = TextOf(action);
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
      return made && ConstantAddressWord(session, *ConstantAddress(action.letter), value);
    }
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
  ScanState& scan = session.state.scan;
  // The scanner's first read takes the whole text.
  scan.readPosition = scan.currentText.size();
  std::size_t noted = 0;
  for (std::size_t i = 0; i < actionCount_; ++i) {
    const PlannedAction& action = actions_[i];
    NoteMatches(scan.matchStarts, noted, action.matchesSeen);
    if (!RunAction(session, action)) return false;
  }
  NoteMatches(scan.matchStarts, noted, matchCount_);
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
  return Recogniser(text).Recognise();
}

}  // namespace Velkor::OrvTessan
