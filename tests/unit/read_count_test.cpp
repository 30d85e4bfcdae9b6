// The scanners take their text whole; a syntax error message quotes what a
// scanner fed one character at a time would have read, worked out when the
// message is made. These tests hold the two readings side by side: after
// every token of every golden input, example and generated block, in the
// message of every refused block and expression (the fuzz corpus too), and
// for a syntax error right after each kind of token.
#include "parser/read_count.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "orvref/parse_context.h"
#include "parser/parse_state.h"
#include "program_corpus.h"

namespace Velkor::OrvTessan {
namespace {

std::string UpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// Blocks put together from pieces of every kind of token, the troublesome
// ones often: unfinished strings, AS, G/H/L/M words, labels, operators that
// can grow, blanks before parentheses, NUL and line-end characters. The same
// seed gives the same blocks.
std::vector<std::string> GeneratedBlocks() {
  static const char* const kPieces[] = {"R1",        "=",          "==",
                                        "<",         "<=",         "<<",
                                        "<>",        ">",          ">=",
                                        "+",         "-",          "*",
                                        "/",         "(",          ")",
                                        "[",         "]",          ",",
                                        ":",         " ",          "  ",
                                        "\t",        "X",          "Y1",
                                        "Z-2.5",     "12",         "3.",
                                        ".5",        "'B101'",     "'H1F'",
                                        "'B",        "TRUE",       "FALSE",
                                        "\"S\"",     "\"A;B",      "\"",
                                        ";C",        ";",          "G1",
                                        "G17",       "M30",        "H2",
                                        "L10",       "L",          "N10",
                                        "START1:",   "AB:",        "AS",
                                        "ASIN",      "AS X",       "DEFINE",
                                        "M17",       "AC(",        "AC (",
                                        "AC",        "IC  (",      "STRING",
                                        "[5]",       "STRING [5]", "DEF",
                                        "INT",       "REAL",       "GOTOF",
                                        "GOTO",      "IF",         "ELSE",
                                        "$R1",       "$$AA_IM",    "$C_X",
                                        "R",         "$R",         "%_N_",
                                        "%_N_A_MPF", "_MPF",       "##LANGUAGE AC",
                                        "#",         "SIN",        "ATAN2",
                                        "TRUNC",     "CTRANS",     "AXNAME",
                                        "INVFRAME",  "DIV",        "MOD",
                                        "B_AND",     "AND",        "NOT",
                                        "WHEN",      "DO",         "ID=",
                                        "MSG",       "CR=",        "\r",
                                        "\n",        "A",          "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGH"};
  constexpr std::size_t kPieceCount = sizeof kPieces / sizeof kPieces[0];
  std::vector<std::string> blocks;
  std::uint32_t seed = 12345;
  const auto next = [&seed](std::uint32_t bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % bound;
  };
  for (int i = 0; i < 3000; ++i) {
    std::string block;
    const std::uint32_t pieces = 1 + next(12);
    for (std::uint32_t p = 0; p < pieces; ++p) block += kPieces[next(kPieceCount)];
    if (next(20) == 0) block.insert(next(static_cast<std::uint32_t>(block.size()) + 1), 1, '\0');
    blocks.push_back(block);
  }
  return blocks;
}

// The tokens of a text and, after each, how many characters a scanner fed
// one character at a time has read: its read position when `oneAtATime`,
// else what is worked out from where the matches of the whole reading began.
struct Reading {
  std::vector<int> tokens;
  std::vector<std::size_t> counts;
  bool operator==(const Reading&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Reading& reading) {
  for (std::size_t i = 0; i < reading.tokens.size(); ++i) out << reading.tokens[i] << '@' << reading.counts[i] << ' ';
  return out;
}

Reading Read(const std::string& text, bool oneAtATime, bool labels) {
  ParseState state;
  state.scan.oneCharacterAtATime = oneAtATime;
  state.scan.labelAllowed = labels;
  state.scan.SetInput(text);
  Reading reading;
  for (std::size_t guard = 0; guard <= text.size(); ++guard) {
    const int token = state.programScanner.NextToken();
    reading.tokens.push_back(token);
    reading.counts.push_back(oneAtATime ? state.scan.readPosition
                                        : state.readCounter.CharactersReadOneAtATime(text, state.scan.matchStarts));
    if (token == 0) break;
  }
  return reading;
}

void ExpectSameReading(const std::string& text) {
  for (const bool labels : {true, false}) {
    EXPECT_EQ(Read(text, false, labels), Read(text, true, labels))
        << '"' << text << "\" with labels " << (labels ? "allowed" : "refused");
  }
}

// The main passes meet texts below 512 characters only. (The fuzz corpus
// meets both readings in EveryProgramParsesAlikeEitherWay, where a syntax
// error quotes the count.)
TEST(ReadCount, AfterEveryTokenOfEveryProgramTheCountsAgree) {
  for (const std::vector<std::string>& program : ProgramCorpus(false)) {
    for (const std::string& line : program) {
      if (line.size() < 512) ExpectSameReading(UpperCase(line));
    }
  }
}

TEST(ReadCount, AfterEveryTokenOfGeneratedBlocksTheCountsAgree) {
  for (const std::string& block : GeneratedBlocks()) ExpectSameReading(block);
}

// The outcome of every block of a program, parsed on a fresh channel with the
// scanners fed in the given way: result, kind, message and trace.
std::vector<std::string> ParseProgram(const std::vector<std::string>& program, bool oneAtATime) {
  ScanState& scan = ParseState::Global().scan;
  scan.oneCharacterAtATime = oneAtATime;
  ParsingChannel<OrvReference::RecordingParseContext> channel;
  std::vector<std::string> outcomes;
  for (const std::string& block : program)
    outcomes.push_back(channel.Parse(block) + '\n' + channel.parseContext.Trace());
  scan.oneCharacterAtATime = false;
  return outcomes;
}

TEST(ReadCount, EveryProgramParsesAlikeEitherWay) {
  std::vector<std::vector<std::string>> programs = ProgramCorpus();
  programs.push_back(GeneratedBlocks());
  for (const std::vector<std::string>& program : programs) {
    const std::vector<std::string> whole = ParseProgram(program, false);
    const std::vector<std::string> single = ParseProgram(program, true);
    ASSERT_EQ(whole.size(), single.size());
    for (std::size_t i = 0; i < whole.size(); ++i) EXPECT_EQ(whole[i], single[i]) << '"' << program[i] << '"';
  }
}

std::string ExpressionOutcome(ParsingChannel<OrvReference::RecordingParseContext>& channel, const std::string& text,
                              bool oneAtATime) {
  ParseState::Global().scan.oneCharacterAtATime = oneAtATime;
  Orv::SmartPointer<Orv::INCExpression> result;
  std::int32_t kind = -1;
  Orv::String message = "-";
  const Orv::TResult code = channel.parser.ParseExpression(text.c_str(), &channel.context, &result, &kind, &message);
  ParseState::Global().scan.oneCharacterAtATime = false;
  return std::to_string(code) + ' ' + std::to_string(kind) + ' ' + message.c_str();
}

TEST(ReadCount, EveryExpressionParsesAlikeEitherWay) {
  const std::vector<std::vector<std::string>> corpus = ProgramCorpus();
  ParsingChannel<OrvReference::RecordingParseContext> channel;
  for (const std::string& text : corpus.back()) {
    EXPECT_EQ(ExpressionOutcome(channel, text, false), ExpressionOutcome(channel, text, true)) << text;
  }
}

// A syntax error right after each kind of token. The message quotes the
// text up to that token and whatever the automaton read to end it: the
// character after a word or a number, nothing after a token that cannot
// grow, the rest of the line where a longer match stayed possible.
TEST(ReadCount, MessageAfterEachKindOfToken) {
  const struct {
    const char* block;
    const char* read;
  } kCases[] = {
      {"R1=(2 ABC+1)", "R1=(2 ABC+"},            // a word, and the character that ended it
      {"R1=(2 GOTO)", "R1=(2 GOTO)"},            // a keyword that could have grown
      {"R1=(2 3+1)", "R1=(2 3+"},                // a number
      {"R1=(2 3.5+1)", "R1=(2 3.5+"},            // a real number
      {"R1=(2 3X)", "R1=(2 3X"},                 // a number ended by a letter
      {"R1=2)+1", "R1=2)"},                      // ) cannot grow
      {"R1=2]+1", "R1=2]"},                      // nor ]
      {"R1=(*2)", "R1=(*"},                      // nor *
      {"R1=(<5)", "R1=(<5"},                     // < could grow into <=, << or <>
      {"R1=(=5)", "R1=(=5"},                     // = into ==
      {"R1=(>=5)", "R1=(>="},                    // >= cannot grow
      {"R1=(<>5)", "R1=(<>"},                    // nor <>
      {"R1=(2 \"AB\")", "R1=(2 \"AB\""},         // a string
      {"R1=(2 \"AB+1)", "R1=(2 \"AB+1)"},        // an open quote looks for its end to the end of the line
      {"R1=(2 ;X", "R1=(2 ;X"},                  // a comment
      {"R1=(2 G17+1)", "R1=(2 G17+"},            // a G word that is no macro: G, read with its digits
      {"R1=(2 H17+1)", "R1=(2 H17+"},            // an H word: the address H
      {"R1=(2 L17+1)", "R1=(2 L17+"},            // an L word: the address L
      {"R1=(2 START1:X)", "R1=(2 START1:"},      // a word with a colon, read as a label's
      {"R1=(2 ASIN(1)+3)", "R1=(2 ASIN(1)+3)"},  // AS reads to the end of the line
      {"R1=ASIN(1)+) X", "R1=ASIN(1)+) X"},      // and stays read for a later error
      {"R1=(2 AC (1))", "R1=(2 AC ("},           // a modifier with its parenthesis
      {"R1=(2 AC X)", "R1=(2 AC X"},             // AC and the blank could have become AC (
  };
  ParsingChannel<OrvReference::RecordingParseContext> channel;
  for (const auto& error : kCases) {
    const std::string expected = std::string("2 0 Parse error after reading '") + error.read + "'.";
    for (const bool oneAtATime : {false, true}) {
      ParseState::Global().scan.oneCharacterAtATime = oneAtATime;
      EXPECT_EQ(channel.Parse(error.block), expected) << error.block << (oneAtATime ? " read one at a time" : "");
    }
    ParseState::Global().scan.oneCharacterAtATime = false;
  }
}

}  // namespace
}  // namespace Velkor::OrvTessan
