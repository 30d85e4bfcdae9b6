// The NC scanner driven directly on a parse state: token streams with their
// values, the characters read ahead, the pre-scan's expanded text, and the
// recovery from a token that does not fit the buffer.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "parser/nc_grammar.h"
#include "parser/parse_state.h"

namespace Velkor::OrvTessan {
namespace {

// A delivered token with the view it wrote: the text, the integer, or an
// address as "name type flag"; empty when it wrote none.
struct Token {
  int code;
  std::string value;
  bool operator==(const Token&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Token& token) {
  return out << "{" << token.code << ", \"" << token.value << "\"}";
}

Token Describe(int code, const TokenValue& record) {
  switch (record.view) {
    case TokenValue::View::kText:
      return {code, record.text};
    case TokenValue::View::kInteger:
      return {code, std::to_string(record.integer)};
    case TokenValue::View::kAddress:
      return {code, std::string(record.address.name) + " " + std::to_string(record.address.valueType) + " " +
                        std::to_string(record.address.flag)};
    case TokenValue::View::kNone:
      break;
  }
  return {code, ""};
}

class ScannerTest : public ::testing::Test {
 protected:
  std::vector<Token> Scan(std::string_view text) {
    state.scan.SetInput(text);
    std::vector<Token> tokens;
    while (const int code = scanner.NextToken()) {
      tokens.push_back(Describe(code, scanner.Value()));
      if (tokens.size() > text.size()) break;  // a scanner that stopped advancing
    }
    return tokens;
  }

  // The expanded text the pre-scan makes of `text`.
  std::string Prescan(std::string_view text) {
    state.scan.expandedText.clear();
    state.scan.rejectedWord.clear();
    state.scan.definition = false;
    state.scan.prescan = true;
    Scan(text);
    state.scan.prescan = false;
    return state.scan.expandedText;
  }

  ParseState state;
  Scanner& scanner = state.programScanner;
};

TEST_F(ScannerTest, LongestMatchWinsThenTheEarlierRule) {
  EXPECT_EQ(Scan("GOTOF GOTOFX GOTO"), (std::vector<Token>{{GOTOF_OP, ""}, {SI_ID, "GOTOFX"}, {GOTO_OP, ""}}));
  EXPECT_EQ(Scan("DEF DEFINE"), (std::vector<Token>{{SI_DECLARE, ""}, {SI_DEFINE, ""}}));
  // A two-letter address word comes before the identifier rule.
  EXPECT_EQ(Scan("FA FAB"), (std::vector<Token>{{FIX_AX_ADDRESS, "FA 1 1"}, {SI_ID, "FAB"}}));
}

TEST_F(ScannerTest, AddressWordsAreFollowedByTheirNumber) {
  EXPECT_EQ(Scan("X1="), (std::vector<Token>{{AXIS_ADDRESS, "X 1 1"}, {INTEGER_VALUE, "1"}, {'=', ""}}));
  EXPECT_EQ(Scan("D10 H5 T2"), (std::vector<Token>{{FIX_ADDRESS, "D 0 1"},
                                                   {INTEGER_VALUE, "10"},
                                                   {EXT_VAR_ADDRESS, "H 1 0"},
                                                   {INTEGER_VALUE, "5"},
                                                   {EXT_VAR_ADDRESS, "T 4 1"},
                                                   {INTEGER_VALUE, "2"}}));
  EXPECT_EQ(Scan("SPOSA=AC=1"),
            (std::vector<Token>{
                {SPOS_ADDRESS, "SPOSA 1 1"}, {'=', ""}, {FIX_ADDRESS, "AC 1 1"}, {'=', ""}, {INTEGER_VALUE, "1"}}));
}

TEST_F(ScannerTest, OnlyTheNumberRightAfterLNamesAProgram) {
  EXPECT_EQ(Scan("L10 20"), (std::vector<Token>{{FIX_ADDRESS, "L 4 1"}, {STRING_VALUE, "10"}, {INTEGER_VALUE, "20"}}));
}

TEST_F(ScannerTest, GAndMAreCharacterTokensOutsideThePrescan) {
  EXPECT_EQ(Scan("N5 G1 M17"),
            (std::vector<Token>{
                {'N', ""}, {INTEGER_VALUE, "5"}, {'G', ""}, {INTEGER_VALUE, "1"}, {'M', ""}, {INTEGER_VALUE, "17"}}));
}

TEST_F(ScannerTest, ConstantsInApostrophesWrapToSigned32Bits) {
  EXPECT_EQ(
      Scan("'B101' 'H1F' 'HFFFFFFFF' 'H100000001'"),
      (std::vector<Token>{{INTEGER_VALUE, "5"}, {INTEGER_VALUE, "31"}, {INTEGER_VALUE, "-1"}, {INTEGER_VALUE, "1"}}));
  EXPECT_EQ(Scan("'B" + std::string(33, '1') + "'"), (std::vector<Token>{{INTEGER_VALUE, "-1"}}));
  // Without the closing apostrophe there is no constant.
  EXPECT_EQ(Scan("'B1"), (std::vector<Token>{{'\'', ""}, {AXIS_ADDRESS, "B 1 1"}, {INTEGER_VALUE, "1"}}));
}

TEST_F(ScannerTest, NumbersAndTruthValues) {
  EXPECT_EQ(Scan("1.5 2. .5 . TRUE FALSE"), (std::vector<Token>{{FLOAT_VALUE, "1.5"},
                                                                {FLOAT_VALUE, "2."},
                                                                {FLOAT_VALUE, ".5"},
                                                                {'.', ""},
                                                                {BOOL_VALUE, "1"},
                                                                {BOOL_VALUE, "0"}}));
}

TEST_F(ScannerTest, WordsCarryTheirCodesAndTexts) {
  EXPECT_EQ(Scan("ASIN(ACOS WHENEVER FROM <> >= << CTRANS INVFRAME TRUNC"),
            (std::vector<Token>{{UNARY_ARITHMETIC_OP, "4"},
                                {'(', ""},
                                {UNARY_ARITHMETIC_OP, "5"},
                                {SYNC_OP, "5"},
                                {SYNC_OP, "2"},
                                {COMP_OP, "11"},
                                {COMP_OP, "13"},
                                {CONC_OP, ""},
                                {FRAME_VALUE_OP, "TR"},
                                {FRAME_FUNC_OP, "InvertFrame"},
                                {FUNC_OP, "TRUNC"}}));
  EXPECT_EQ(Scan("TOWSTD APW TURN SETAL TRAORI WAITS GETD FOCOF IDS"),
            (std::vector<Token>{{COMMAND_OP, "TOWSTD"},
                                {COMMAND_VALUE_OP, "APW"},
                                {COMMAND_ASSIGN_OP, "TURN"},
                                {COMMAND_ARG_OP, "SETAL"},
                                {COMMAND_OPT_ARG_OP, "TRAORI"},
                                {COMMAND_OPT_EXPRLIST_OP, "WAITS"},
                                {COMMAND_EXPRLIST_OP, "GETD"},
                                {COMMAND_AXIS_OP, "FOCOF"},
                                {ID_OP, ""}}));
}

TEST_F(ScannerTest, ModifierTokensIncludeTheirParenthesis) {
  EXPECT_EQ(Scan("AC(AC (AC\t(ACN("), (std::vector<Token>{{AC_OP, ""}, {AC_OP, ""}, {AC_OP, ""}, {ACN_OP, ""}}));
  EXPECT_EQ(Scan("AC ="), (std::vector<Token>{{FIX_ADDRESS, "AC 1 1"}, {'=', ""}}));
}

TEST_F(ScannerTest, SystemAndParameterVariables) {
  EXPECT_EQ(Scan("$$AA_IM $C_X $AC_TIME"),
            (std::vector<Token>{{SYS_VARNAME, "$AA_IM"}, {'$', ""}, {SI_ID, "C_X"}, {SYS_VARNAME, "$AC_TIME"}}));
  EXPECT_EQ(Scan("R5 $R12 R[ $R"),
            (std::vector<Token>{
                {AUX_VARNAME, "5"}, {AUX_VARNAME, "12"}, {SYS_VARNAME, "$R"}, {'[', ""}, {SYS_VARNAME, "$R"}}));
}

TEST_F(ScannerTest, StringTypeKeepsNoLength) {
  EXPECT_EQ(Scan("STRING[32] STRING [32] STRING"),
            (std::vector<Token>{{SI_TYPE, "4"}, {SI_TYPE, "4"}, {SI_ID, "STRING"}}));
}

TEST_F(ScannerTest, StringsCommentsAndHeaders) {
  EXPECT_EQ(Scan("\"A;B\" ;C \"D\""), (std::vector<Token>{{STRING_VALUE, "A;B"}, {END_COMMENT, "C \"D\""}}));
  EXPECT_EQ(Scan(";"), (std::vector<Token>{{END_COMMENT, ""}}));
  EXPECT_EQ(Scan("\"AB"), (std::vector<Token>{{'"', ""}, {SI_ID, "AB"}}));
  EXPECT_EQ(Scan("%_N_PART_1_MPF"), (std::vector<Token>{{PROGRAM_HEAD, "PART_1_MPF"}}));
  EXPECT_EQ(Scan("%_N_SPF"), (std::vector<Token>{{PROGRAM_HEAD, "SPF"}}));
  EXPECT_EQ(Scan("##LANGUAGE AC\n"), (std::vector<Token>{{NC_ANYCONTROLLER, ""}, {EOL, ""}}));
}

TEST_F(ScannerTest, ColonMakesALabelOnlyWhileLabelsAreAllowed) {
  EXPECT_EQ(Scan("START1:"), (std::vector<Token>{{SI_ID, "START1"}, {':', ""}}));
  state.scan.labelAllowed = true;
  EXPECT_EQ(Scan("START1:"), (std::vector<Token>{{LABEL_DECL, "START1"}}));
}

TEST_F(ScannerTest, WordsAreCutAfter31Characters) {
  EXPECT_EQ(Scan("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN"),
            (std::vector<Token>{{SI_ID, "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDE"}, {SI_ID, "FGHIJKLMN"}}));
  // AS takes the whole line at first and is turned down outside a definition.
  EXPECT_EQ(Scan("ASCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN"),
            (std::vector<Token>{{SI_ID, "ASCDEFGHIJKLMNOPQRSTUVWXYZABCDE"}, {SI_ID, "FGHIJKLMN"}}));
}

TEST_F(ScannerTest, DefinitionTakesTheRestAfterAsAsTheValue) {
  EXPECT_EQ(Scan("DEFINE M17 AS  M3 M8 ;SPINDLE"),
            (std::vector<Token>{{SI_DEFINE, ""}, {MACRO_NAME, "M17"}, {SI_MACRO_VALUE, "M3 M8 "}}));
  EXPECT_EQ(Scan("DEFINE TXT AS \"A;B\""),
            (std::vector<Token>{{SI_DEFINE, ""}, {SI_ID, "TXT"}, {SI_MACRO_VALUE, "\"A"}}));
  EXPECT_EQ(Scan("DEFINE SINE AS ASIN(1)"),
            (std::vector<Token>{{SI_DEFINE, ""}, {SI_ID, "SINE"}, {SI_MACRO_VALUE, "ASIN(1)"}}));
  EXPECT_EQ(Scan("DEFINE ASIN(1)"), (std::vector<Token>{{SI_DEFINE, ""}, {SI_MACRO_VALUE, "IN(1)"}}));
  // AS alone is as long as the identifier, which comes first.
  EXPECT_EQ(Scan("DEFINE XY AS"), (std::vector<Token>{{SI_DEFINE, ""}, {SI_ID, "XY"}, {SI_ID, "AS"}}));
}

TEST_F(ScannerTest, PrescanReplacesMacroNamesOutsideLongerWords) {
  state.macros = {{"M17", "M3 M8"}, {"FEED", "F=1000"}};
  EXPECT_EQ(Prescan("M170 M17"), "M170 M3 M8");
  EXPECT_EQ(Prescan("G1 FEED\t;FEED\n"), "G1 F=1000\t;FEED\n");
  // A definition names macros, it does not use them.
  EXPECT_EQ(Prescan("DEFINE FEED AS M17"), "DEFINE FEED AS M17");
  EXPECT_TRUE(state.scan.definition);
}

TEST_F(ScannerTest, PrescanDeliversTheNameNotTheReplacement) {
  state.macros = {{"M17", "M3"}, {"FEED", "F2"}};
  state.scan.prescan = true;
  EXPECT_EQ(Scan("M17 FEED"), (std::vector<Token>{{MACRO_NAME, "M17"}, {SI_ID, "FEED"}}));
}

// The main pass neither expands nor appends: only the pre-scan's expanded
// text is read.
TEST_F(ScannerTest, MainPassLeavesMacroNamesAsWritten) {
  state.macros = {{"M17", "M3"}, {"FEED", "F2"}};
  EXPECT_EQ(Scan("M17 FEED"), (std::vector<Token>{{'M', ""}, {INTEGER_VALUE, "17"}, {SI_ID, "FEED"}}));
  EXPECT_EQ(state.scan.expandedText, "");
}

// The error message after a syntax error quotes exactly the characters a
// scanner fed one character at a time has read, so that look-ahead is part
// of the contract.
TEST_F(ScannerTest, ReadsOneCharacterPastWordsAndNumbersAndNothingPastOthers) {
  state.scan.oneCharacterAtATime = true;
  state.scan.SetInput("GOTO 12+),\"S\"*");
  std::vector<std::size_t> positions;
  while (scanner.NextToken() != 0) positions.push_back(state.scan.readPosition);
  // GOTO and the blank, 12 and +, then ) , "S" and * as they come.
  EXPECT_EQ(positions, (std::vector<std::size_t>{5, 8, 8, 9, 10, 13, 14}));
}

TEST_F(ScannerTest, ReadsAheadWhileALongerMatchIsPossible) {
  state.scan.oneCharacterAtATime = true;
  state.scan.SetInput("ASIN(1)");
  EXPECT_EQ(scanner.NextToken(), UNARY_ARITHMETIC_OP);
  EXPECT_EQ(state.scan.readPosition, 7u);
  scanner.Flush();
  state.scan.SetInput("STRING X");
  EXPECT_EQ(scanner.NextToken(), SI_ID);
  EXPECT_EQ(state.scan.readPosition, 8u);
}

TEST_F(ScannerTest, FlushDropsWhatWasReadAhead) {
  state.scan.oneCharacterAtATime = true;
  state.scan.SetInput("GOTO XY");
  EXPECT_EQ(scanner.NextToken(), GOTO_OP);
  scanner.Flush();
  EXPECT_EQ(Describe(scanner.NextToken(), scanner.Value()), (Token{SI_ID, "XY"}));
  EXPECT_EQ(scanner.NextToken(), 0);
}

TEST_F(ScannerTest, InstancesKeepTheirOwnBuffersOverTheSharedInput) {
  state.scan.oneCharacterAtATime = true;
  state.scan.SetInput("AB CD");
  EXPECT_EQ(scanner.NextToken(), SI_ID);
  EXPECT_EQ(Describe(state.expressionScanner.NextToken(), state.expressionScanner.Value()), (Token{SI_ID, "CD"}));
  EXPECT_EQ(std::string(scanner.Value().text), "AB");
}

TEST_F(ScannerTest, TakesTheWholeTextAtOnceUnlessFedOneCharacterAtATime) {
  state.scan.SetInput("GOTO XY");
  EXPECT_EQ(scanner.NextToken(), GOTO_OP);
  EXPECT_EQ(state.scan.readPosition, 7u);
  EXPECT_EQ(Describe(scanner.NextToken(), scanner.Value()), (Token{SI_ID, "XY"}));
  EXPECT_EQ(scanner.NextToken(), 0);
  // Where each match began.
  EXPECT_EQ(state.scan.matchStarts, (std::vector<std::size_t>{0, 4, 5}));
}

TEST_F(ScannerTest, LongTextIsCutInTheRecordButNotInTheExpandedText) {
  const std::string content(600, 'Q');
  state.scan.prescan = true;
  const std::vector<Token> tokens = Scan("\"" + content + "\"");
  ASSERT_EQ(tokens.size(), 1u);
  EXPECT_EQ(tokens[0], (Token{STRING_VALUE, content.substr(0, 511)}));
  EXPECT_EQ(state.scan.expandedText.size(), 602u);
}

// Only the pre-scan meets such a token: the main pass never sees a block of
// 512 characters or more.
TEST_F(ScannerTest, TokenBeyondTheBufferFailsAndTheNextTextScans) {
  state.scan.prescan = true;
  state.scan.SetInput(";" + std::string(20000, 'C'));
  try {
    scanner.NextToken();
    FAIL() << "a 20001-character comment fits no buffer";
  } catch (const ScannerFailure& failure) {
    EXPECT_EQ(failure.reason(), ScannerFailure::Reason::kTokenTooLong);
  }
  state.scan.prescan = false;
  EXPECT_EQ(Scan("G1 X2"),
            (std::vector<Token>{{'G', ""}, {INTEGER_VALUE, "1"}, {AXIS_ADDRESS, "X 1 1"}, {INTEGER_VALUE, "2"}}));
}

TEST_F(ScannerTest, LineEndsAndStrayCharacters) {
  EXPECT_EQ(Scan("X#\r\n"), (std::vector<Token>{{AXIS_ADDRESS, "X 1 1"}, {'#', ""}, {EOL, ""}, {EOL, ""}}));
}

}  // namespace
}  // namespace Velkor::OrvTessan
