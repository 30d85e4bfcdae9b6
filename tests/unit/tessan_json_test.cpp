// tessan's JSON Lines: the writer's separators and escapes (valid UTF-8
// kept, stray bytes as their Latin-1 code points), and the trace items read
// back into named fields.
#include <gtest/gtest.h>

#include "item_json.h"
#include "json_writer.h"

namespace Velkor::Tessan {
namespace {

using Kind = OrvReference::RecordingParseContext::ItemKind;

std::string Quoted(std::string_view text) {
  JsonWriter json;
  json.String(text);
  return json.text();
}

std::string ItemJson(Kind kind, std::string_view line) {
  JsonWriter json;
  WriteItemJson(json, kind, line);
  return json.text();
}

TEST(TessanJsonWriter, SeparatesMembersAndElements) {
  JsonWriter json;
  json.BeginObject().Key("a").Integer(-3).Key("b").BeginArray().Bool(true).Null().Real(2.0).Real(1.0 / 0.0);
  json.BeginObject().EndObject().BeginArray().EndArray().EndArray().Key("c").String("x").EndObject();
  EXPECT_EQ(json.TakeLine(), "{\"a\":-3,\"b\":[true,null,2.0,null,{},[]],\"c\":\"x\"}\n");
  EXPECT_EQ(json.text(), "");
  json.BeginArray().Integer(1).EndArray();
  EXPECT_EQ(json.TakeLine(), "[1]\n");
}

TEST(TessanJsonWriter, EscapesWhatJsonCannotHoldAsItIs) {
  EXPECT_EQ(Quoted("a\"b\\c/"), R"j("a\"b\\c/")j");
  EXPECT_EQ(Quoted("\n\r\t\x01\x1f\x7f"), R"j("\n\r\t\u0001\u001f\u007f")j");
  EXPECT_EQ(Quoted(std::string_view("\0", 1)), R"j("\u0000")j");
  // Valid UTF-8 of two, three and four bytes stays as it is.
  EXPECT_EQ(Quoted("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\"");
}

TEST(TessanJsonWriter, WritesBytesOutsideUtf8AsTheirLatin1CodePoints) {
  // A Latin-1 e acute, a truncated sequence at the end, a stray
  // continuation byte, an overlong slash, a surrogate, a code point above
  // U+10FFFF.
  EXPECT_EQ(Quoted("caf\xE9"), R"j("caf\u00e9")j");
  EXPECT_EQ(Quoted("\xE2\x82"), R"j("\u00e2\u0082")j");
  EXPECT_EQ(Quoted("\x80x"), R"j("\u0080x")j");
  EXPECT_EQ(Quoted("\xC0\xAF"), R"j("\u00c0\u00af")j");
  EXPECT_EQ(Quoted("\xED\xA0\x80"), R"j("\u00ed\u00a0\u0080")j");
  EXPECT_EQ(Quoted("\xF4\x90\x80\x80"), R"j("\u00f4\u0090\u0080\u0080")j");
}

TEST(TessanItemJson, SplitsAtSeparatorsOutsideQuotesAndBrackets) {
  EXPECT_EQ(SplitTopLevel("(+ a b) 1 [x, y] {}", " "), (std::vector<std::string_view>{"(+ a b)", "1", "[x, y]", "{}"}));
  EXPECT_EQ(SplitTopLevel("\"a, b\", ',', (f x, y), _", ", "),
            (std::vector<std::string_view>{"\"a, b\"", "','", "(f x, y)", "_"}));
  EXPECT_EQ(SplitTopLevel("\"q\\\" )\" ')' x", " "), (std::vector<std::string_view>{"\"q\\\" )\"", "')'", "x"}));
  EXPECT_EQ(SplitTopLevel("", " "), (std::vector<std::string_view>{""}));
}

TEST(TessanItemJson, CommandsCarryTheirArgumentsAsListAndMap) {
  EXPECT_EQ(ItemJson(Kind::kCommand, "COMMAND G1 1 -"),
            R"j({"item":"COMMAND","name":"G1","flag":1,"arguments":null})j");
  EXPECT_EQ(
      ItemJson(Kind::kCommand, R"j(COMMAND X 1 [] {Value=(conv REAL 10), Flag=""})j"),
      R"j({"item":"COMMAND","name":"X","flag":1,"arguments":{"list":[],"map":{"Value":"(conv REAL 10)","Flag":"\"\""}}})j");
  EXPECT_EQ(
      ItemJson(Kind::kInternalCommand, "INTERNAL AssignArray [(array ARR), 0, _, \"a, b\"] {}"),
      R"j({"item":"INTERNAL","name":"AssignArray","arguments":{"list":["(array ARR)","0",null,"\"a, b\""],"map":{}}})j");
  EXPECT_EQ(ItemJson(Kind::kComputedCommand, "COMPUTED (+ \"M\" 3) 0 -"),
            R"j({"item":"COMPUTED","name":"(+ \"M\" 3)","flag":0,"arguments":null})j");
}

TEST(TessanItemJson, EveryOtherKindNamesItsFields) {
  EXPECT_EQ(ItemJson(Kind::kLabel, "LABEL N10"), R"j({"item":"LABEL","text":"N10"})j");
  EXPECT_EQ(ItemJson(Kind::kAssignment, "ASSIGN (var A) (+ 1 2)"),
            R"j({"item":"ASSIGN","target":"(var A)","value":"(+ 1 2)"})j");
  EXPECT_EQ(ItemJson(Kind::kConditionalGoto, "COND-GOTO (> 1 2) \"M1\" 0"),
            R"j({"item":"COND-GOTO","condition":"(> 1 2)","label":"\"M1\"","direction":0})j");
  // An empty start label leaves two blanks in the line.
  EXPECT_EQ(ItemJson(Kind::kStructuredJump, "JUMP \"E\" 0  ENDIF1 1"),
            R"j({"item":"JUMP","label":"\"E\"","direction":0,"start":"","end":"ENDIF1","flag":1})j");
  EXPECT_EQ(ItemJson(Kind::kDeclaration, "DECLARE ARR ARRAY(REAL,5) 3"),
            R"j({"item":"DECLARE","name":"ARR","type":"ARRAY(REAL,5)","scope":3})j");
  EXPECT_EQ(ItemJson(Kind::kDeclaration, "DECLARE N INT 1 (+ 1 2)"),
            R"j({"item":"DECLARE","name":"N","type":"INT","scope":1,"initial":"(+ 1 2)"})j");
  EXPECT_EQ(ItemJson(Kind::kSyncBegin, R"j(SYNC-BEGIN "a\"b\\\x01" (== 1 1) 4)j"),
            R"j({"item":"SYNC-BEGIN","id":"a\"b\\\u0001","condition":"(== 1 1)","kind":4})j");
  EXPECT_EQ(ItemJson(Kind::kParameterMode, "PARAMETER-MODE SUB 2"),
            R"j({"item":"PARAMETER-MODE","name":"SUB","mode":2})j");
  EXPECT_EQ(ItemJson(Kind::kSyncMode, "SYNC-MODE 1"), R"j({"item":"SYNC-MODE","mode":1})j");
}

}  // namespace
}  // namespace Velkor::Tessan
