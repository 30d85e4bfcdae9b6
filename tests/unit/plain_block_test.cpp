// Blocks of plain words are read without the grammar (parser/plain_block.h).
// These tests hold the two readings side by side on two channels: result,
// message kind, message, the recorded items, and the scanner bookkeeping a
// message could quote, at every label and command and after the block; over every golden input, example and block of
// the fuzz corpus, over the blocks at the border of what is read directly,
// and over generated blocks of plain words and their neighbours.
#include "parser/plain_block.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "orvref/parse_context.h"
#include "parser/parse_state.h"
#include "program_corpus.h"

namespace Velkor::OrvTessan {
namespace {

using Orv::String;
using Orv::TResult;

// A recording parse context that also notes, with every label and command,
// how many match starts the scanner had noted by then: a refused block's
// message quotes what they say was read, so each action must see as many as
// the grammar's reading gives it.
class MatchNotingContext final : public Orv::IParseContext {
 public:
  explicit MatchNotingContext(OrvReference::ExecutionContext& context) : recorder_(context) {}

  void BeginBlock() {
    recorder_.BeginBlock();
    notes_.clear();
  }
  std::string Trace() const { return recorder_.Trace() + notes_; }

  Orv::IExecutionContext* GetExecutionContext() override { return recorder_.GetExecutionContext(); }
  void SetSyncMode(std::int32_t mode) override { recorder_.SetSyncMode(mode); }
  std::int32_t GetSyncMode() const override { return recorder_.GetSyncMode(); }
  void SetSkipLevel(std::int32_t level) override { recorder_.SetSkipLevel(level); }
  TResult AddLabel(const String& label) override {
    Note("label");
    return recorder_.AddLabel(label);
  }
  TResult AddCommand(const String& name, Orv::ArgumentExpressionList* arguments, std::int32_t flag) override {
    Note(name.c_str());
    return recorder_.AddCommand(name, arguments, flag);
  }
  TResult AddComputedCommand(Orv::INCExpression* name, Orv::ArgumentExpressionList* arguments,
                             std::int32_t flag) override {
    Note("computed command");
    return recorder_.AddComputedCommand(name, arguments, flag);
  }
  TResult AddInternalCommand(const String& name, Orv::ArgumentExpressionList* arguments) override {
    return recorder_.AddInternalCommand(name, arguments);
  }
  TResult AddAssignment(Orv::INCLValue* target, Orv::INCExpression* value) override {
    return recorder_.AddAssignment(target, value);
  }
  TResult AddStructAssignment(Orv::INCStructExpression* target, Orv::INCStructExpression* value) override {
    return recorder_.AddStructAssignment(target, value);
  }
  TResult AddGoto(Orv::INCExpression* label, std::int32_t direction, std::int32_t flag) override {
    return recorder_.AddGoto(label, direction, flag);
  }
  TResult AddConditionalGoto(Orv::INCExpression* condition, Orv::INCExpression* label,
                             std::int32_t direction) override {
    return recorder_.AddConditionalGoto(condition, label, direction);
  }
  TResult AddStructuredJump(Orv::INCExpression* label, std::int32_t direction, const String& startLabel,
                            const String& endLabel, std::int32_t flag) override {
    return recorder_.AddStructuredJump(label, direction, startLabel, endLabel, flag);
  }
  TResult AddStructuredConditionalJump(Orv::INCExpression* condition, Orv::INCExpression* label, std::int32_t direction,
                                       const String& startLabel, const String& endLabel) override {
    return recorder_.AddStructuredConditionalJump(condition, label, direction, startLabel, endLabel);
  }
  TResult DeclareVariable(Orv::INCExpression* name, std::int32_t typeCode, std::int32_t scope,
                          Orv::INCExpression* initialValue) override {
    return recorder_.DeclareVariable(name, typeCode, scope, initialValue);
  }
  TResult DeclareArrayVariable(Orv::INCExpression* name, Orv::INCArrayType* type, std::int32_t scope) override {
    return recorder_.DeclareArrayVariable(name, type, scope);
  }
  TResult DeclareStructVariable(Orv::INCExpression* name, Orv::INCStructType* type, std::int32_t scope) override {
    return recorder_.DeclareStructVariable(name, type, scope);
  }
  TResult BeginSynchronizedAction(const String& id, Orv::INCExpression* condition, std::int32_t kind) override {
    return recorder_.BeginSynchronizedAction(id, condition, kind);
  }
  TResult CancelSynchronizedAction(const String& id) override { return recorder_.CancelSynchronizedAction(id); }

 private:
  void Note(const char* what) {
    notes_ +=
        std::string(what) + " after " + std::to_string(ParseState::Global().scan.matchStarts.size()) + " matches\n";
  }

  OrvReference::RecordingParseContext recorder_;
  std::string notes_;
};

using RecordingChannel = ParsingChannel<MatchNotingContext>;

std::string UpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// One channel reads directly what it can, the other reads everything with
// the grammar.
struct TwoReadings {
  RecordingChannel direct;
  RecordingChannel grammar;

  // The outcome of `block` on one channel: result, message, items and
  // where the scanner's matches began.
  static std::string Outcome(RecordingChannel& channel, const std::string& block, bool readPlainBlocks) {
    ParseState& state = ParseState::Global();
    state.readPlainBlocks = readPlainBlocks;
    std::string outcome = channel.Parse(block);
    state.readPlainBlocks = true;
    outcome += "\nread " + std::to_string(state.scan.readPosition) + ", matches at";
    for (const std::size_t start : state.scan.matchStarts) outcome += ' ' + std::to_string(start);
    return outcome + '\n' + channel.parseContext.Trace();
  }

  // Reads the block both ways; returns the direct reading's outcome.
  std::string Compare(const std::string& block) {
    const std::string expected = Outcome(grammar, block, false);
    const std::string actual = Outcome(direct, block, true);
    EXPECT_EQ(actual, expected) << "block: " << block;
    return actual;
  }
};

TEST(PlainBlocks, EveryProgramReadsAsWithTheGrammar) {
  const std::vector<std::vector<std::string>> corpus = ProgramCorpus();
  ASSERT_GT(corpus.size(), 20u);
  std::size_t blocks = 0;
  std::size_t plain = 0;
  for (const std::vector<std::string>& program : corpus) {
    TwoReadings readings;
    for (const std::string& block : program) {
      readings.Compare(block);
      ++blocks;
      if (IsPlainBlock(UpperCase(block)) && ParseState::Global().macros.empty()) ++plain;
    }
  }
  // Enough of them take the direct reading for the comparison to mean
  // something.
  EXPECT_GT(plain, 2000u) << plain << " of " << blocks << " blocks read directly";
}

// What the direct reading takes, with the numbers, signs, blanks and
// comments around the words that it must read exactly as the scanner does.
TEST(PlainBlocks, PlainWordsAreReadDirectlyAsTheGrammarReadsThem) {
  const char* const blocks[] = {
      "",
      "   ",
      "N10",
      "N 10 G1",
      "N0010\tG01",
      "G1 X139.427 Y-474.989 Z-22.497 F1200",
      "g1 x.5 y5. z-0 a+1 b-.25 c+7.",
      "X1Y2Z3",
      "G1X1.5E2",
      "X - 5",
      "X+ 2.5",
      "X2147483648 Y4294967297 Z99999999999",
      "X-2147483648 X-2147483649",
      "G4294967297 M2147483648",
      "G0 G90 G17 M3 S8000 T5 H2",
      "M30",
      "M3 X1",
      "F1200 ;FINISH",
      "X1 ;",
      "; a comment only",
      "N5;Tab\tand\rreturn",
      "T1.5 H-2 Q0.001 E3",
      "X1   \t",
      "\tG1\t\tX1",
      "X00.0100",
      "X1 Y2 Z3 A4 B5 C6 U7 V8 W9 I1 J2 K3 Q4 E5 F6 S7 T8 H9",
      "G3 X-2.5 Y4.75 CR=3.2",
      "T1 D1",
      "D=5 P3 D1.5 P.5",
      "CR = 3 AC=1 DL=2. FB=.3 RP=4.5",
      "CR=3;ARC",
      "X1 D2 Y3",
      "G1 D2147483648 CR=99999999999",
  };
  for (const char* block : blocks) {
    TwoReadings readings;
    readings.Compare(block);
    EXPECT_TRUE(IsPlainBlock(UpperCase(block))) << block;
  }
}

// Blocks that look nearly plain but are left to the grammar, whether it
// accepts them or not.
TEST(PlainBlocks, WhatIsNotPlainGoesToTheGrammar) {
  const char* const blocks[] = {
      "X=5",
      "X1=5",
      "X[1]=2",
      "X=AC(5)",
      "X AC(5)",
      "XX1",
      "X_1",
      "X1.5.5",
      "X.",
      "X",
      "X-",
      "X--1",
      "X+-1",
      "G",
      "G1.5",
      "G-1",
      "G[1]=2",
      "M",
      "M5=3",
      "M=3",
      "M1.5",
      "N",
      "N1.5",
      "G1 N10",
      "N10 N20",
      "R1=5",
      "X R1",
      "L10",
      "O1",
      "START: G1",
      "N10 LAB: X1",
      "/G1 X1",
      "/1 X1",
      ":10 X1",
      "X1 'B101'",
      "X1 TRUE",
      "X1\n",
      "X1\r",
      "X1 ;A\nB",
      "G1 X1 IF",
      "X1 \"S\"",
      "X1 $R1",
      "X$",
      "1",
      "+1",
      "X1 1",
      "G1 X1)",
      "XY1",
      "SPOS=1",
      "AP=1",
      "X1 ATAN2",
      "DEF INT A",
      "G1 X1,Y1",
      "X\xC3\xA4",
      "N10 :5",
      "G1 X1 ;A\n",
      "X1 %",
      // Fixed addresses take only an unsigned constant that no operator,
      // argument list or other token follows.
      "CR=-3.2",
      "CR=+3",
      "CR=3.2*2",
      "CR=3+1",
      "CR=3 -1",
      "D5(1)",
      "CR3",
      "CR==3",
      "D=R1",
      "CR=",
      "CRX=1",
      "AC(5)",
      "AC (5)",
      "D=X1",
      "D",
      "D5 6",
      "D5=1",
      "CR=3 =",
      "FA=1",
      "AX=1",
      "L10 D1",
      "CR=TRUE",
      "CR 1.5.",
      "DL=1 X1 Y",
  };
  for (const char* block : blocks) {
    TwoReadings readings;
    readings.Compare(block);
    EXPECT_FALSE(IsPlainBlock(UpperCase(block))) << block;
  }
}

// A block is read directly only when no macro is defined: with one, the
// macro names in a plain-looking block are expanded as always.
TEST(PlainBlocks, MacrosAreExpandedInPlainLookingBlocks) {
  TwoReadings readings;
  readings.Compare("DEFINE M17 AS X5");
  const std::string expanded = readings.Compare("G1 M17");
  EXPECT_NE(expanded.find("COMMAND X"), std::string::npos) << expanded;
  EXPECT_EQ(expanded.find("COMMAND M17"), std::string::npos) << expanded;
}

// Blocks put together from plain words and from what borders on them, with
// and without blanks between the pieces. The same seed gives the same
// blocks.
TEST(PlainBlocks, GeneratedBlocksReadAsWithTheGrammar) {
  static const char* const kPieces[] = {
      "N10",        "N",   "G1",   "G01",   "G",   "M3", "M",  "X",   "Y1", "Z-2.5", "A+3",        "B.5",
      "C5.",        "F",   "S",    "T",     "H",   "E",  "Q",  "I",   "1",  "12",    "3.",         ".5",
      ".",          "-",   "+",    "-0",    " ",   "\t", ";C", ";",   "=",  "[",     "]",          "(",
      ")",          "R1",  "R",    "D",     "L",   "P",  "O",  "AB:", "/",  ":",     "AC(",        "IC(",
      "TRUE",       "X_",  "'B1'", "\"S\"", "$R1", "\r", "\n", "SIN", "IF", "DEF",   "4294967297", "99999999999",
      "2147483648", "X1=", "M5=",  "CR",    "CR=", "AC", "D5", "*",
  };
  std::mt19937 random(20260512);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  std::uniform_int_distribution<int> count(1, 9);
  std::bernoulli_distribution blank(0.5);
  std::size_t plain = 0;
  TwoReadings readings;
  for (int i = 0; i < 20000; ++i) {
    std::string block;
    for (int n = count(random); n > 0; --n) {
      block += kPieces[piece(random)];
      if (blank(random)) block += ' ';
    }
    readings.Compare(block);
    if (IsPlainBlock(UpperCase(block))) ++plain;
    if (HasFailure()) break;
  }
  EXPECT_GT(plain, 1000u);
}

}  // namespace
}  // namespace Velkor::OrvTessan
