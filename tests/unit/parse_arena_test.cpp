// Texts kept by the parse arena: every one stays whole where it was put until
// the arena is cleared, however many there are and however long, and a
// cleared arena keeps texts as well as a fresh one. Its expression entries
// stay where they are and come back empty once cleared; address words kept
// are copies that stay where they were put.
#include "parser/parse_arena.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "expressions/constant_node.h"
#include "orvref/live_objects.h"
#include "values/basic_value.h"

namespace Velkor::OrvTessan {
namespace {

// Keeps texts of every length up to past a block of the store, among them
// empty ones and one far longer than a block, and checks each afterwards.
void KeepAndCheckTexts(ParseArena& arena) {
  std::vector<std::pair<const char*, std::string>> kept;
  for (std::size_t length = 0; length < 1500; length += 37) {
    for (char fill : {'A', 'b', '9'}) {
      const std::string text(length % 700, fill);
      kept.emplace_back(arena.Keep(text), text);
    }
  }
  const std::string longText(5000, 'L');
  kept.emplace_back(arena.Keep(longText), longText);
  kept.emplace_back(arena.Keep(""), "");
  for (const auto& [where, text] : kept) EXPECT_EQ(std::string(where), text);
}

TEST(ParseArena, KeptTextsStayWholeUntilTheArenaIsCleared) {
  ParseArena arena;
  KeepAndCheckTexts(arena);
  arena.Clear();
  KeepAndCheckTexts(arena);
}

TEST(ParseArena, ATextIsKeptUpToItsLengthWithItsTerminator) {
  ParseArena arena;
  const std::string block = "G1 X139.427 Y-474.989";
  const char* kept = arena.Keep(std::string_view(block).substr(3, 8));
  const char* next = arena.Keep("Y");
  EXPECT_STREQ(kept, "X139.427");
  EXPECT_STREQ(next, "Y");
}

// Entries over several chunks: each keeps its place and what it holds while
// more are handed out; cleared, the arena lets go of every host object the
// entries held and hands the same entries out again, empty.
TEST(ParseArena, ExpressionEntriesStayPutAndComeBackEmpty) {
  ParseArena arena;
  const std::int64_t baseline = OrvReference::LiveObjectCount();
  std::vector<Expr*> entries;
  for (std::int32_t i = 0; i < 200; ++i) {
    Expr* entry = arena.NewExpr();
    entry->type = i;
    entry->expression = new OrvReference::ConstantNode(OrvReference::BasicValue::Int(i));
    entries.push_back(entry);
  }
  EXPECT_EQ(std::set<Expr*>(entries.begin(), entries.end()).size(), entries.size());
  for (std::int32_t i = 0; i < 200; ++i) EXPECT_EQ(entries[static_cast<std::size_t>(i)]->type, i);
  EXPECT_EQ(OrvReference::LiveObjectCount(), baseline + 400);  // a node and its value each

  arena.Clear();
  EXPECT_EQ(OrvReference::LiveObjectCount(), baseline);
  for (Expr* entry : entries) {
    EXPECT_EQ(arena.NewExpr(), entry);
    EXPECT_EQ(entry->type, kIntType);
    EXPECT_FALSE(entry->expression);
  }
}

// Address words are copies, each in a place of its own over several chunks:
// the token's record they came from is overwritten by the next token.
TEST(ParseArena, KeptAddressWordsAreCopiesThatStayPut) {
  ParseArena arena;
  for (int pass = 0; pass < 2; ++pass) {
    AddressWord record{};
    std::vector<const AddressWord*> kept;
    for (std::int32_t i = 0; i < 150; ++i) {
      record.name[0] = static_cast<char>('A' + i % 26);
      record.valueType = i;
      record.flag = static_cast<std::uint8_t>(i % 2);
      kept.push_back(arena.Keep(record));
    }
    for (std::int32_t i = 0; i < 150; ++i) {
      const AddressWord& word = *kept[static_cast<std::size_t>(i)];
      EXPECT_EQ(word.name[0], 'A' + i % 26);
      EXPECT_EQ(word.valueType, i);
      EXPECT_EQ(word.flag, i % 2);
    }
    arena.Clear();
  }
}

}  // namespace
}  // namespace Velkor::OrvTessan
