#include "item_json.h"

#include <charconv>
#include <initializer_list>

namespace Velkor::Tessan {
namespace {

using Kind = OrvReference::RecordingParseContext::ItemKind;

enum class Field {
  kName,        // a plain text up to the next blank
  kNumber,      // a decimal integer
  kExpression,  // an expression, "_" when absent
  kOptionalExpression,
  kQuoted,     // a text in double quotes, with the trace's escapes
  kArguments,  // "-" or "[list] {map}", the rest of the line
  kRest,       // the rest of the line as it is
};

struct NamedField {
  std::string_view name;
  Field field;
};

struct Layout {
  Kind kind;
  std::string_view keyword;
  std::initializer_list<NamedField> fields;
};

const Layout kLayouts[] = {
    {Kind::kLabel, "LABEL", {{"text", Field::kRest}}},
    {Kind::kCommand, "COMMAND", {{"name", Field::kName}, {"flag", Field::kNumber}, {"arguments", Field::kArguments}}},
    {Kind::kComputedCommand,
     "COMPUTED",
     {{"name", Field::kExpression}, {"flag", Field::kNumber}, {"arguments", Field::kArguments}}},
    {Kind::kInternalCommand, "INTERNAL", {{"name", Field::kName}, {"arguments", Field::kArguments}}},
    {Kind::kAssignment, "ASSIGN", {{"target", Field::kExpression}, {"value", Field::kExpression}}},
    {Kind::kStructAssignment, "STRUCT-ASSIGN", {{"target", Field::kExpression}, {"value", Field::kExpression}}},
    {Kind::kGoto, "GOTO", {{"label", Field::kExpression}, {"direction", Field::kNumber}, {"flag", Field::kNumber}}},
    {Kind::kConditionalGoto,
     "COND-GOTO",
     {{"condition", Field::kExpression}, {"label", Field::kExpression}, {"direction", Field::kNumber}}},
    {Kind::kStructuredJump,
     "JUMP",
     {{"label", Field::kExpression},
      {"direction", Field::kNumber},
      {"start", Field::kName},
      {"end", Field::kName},
      {"flag", Field::kNumber}}},
    {Kind::kStructuredConditionalJump,
     "COND-JUMP",
     {{"condition", Field::kExpression},
      {"label", Field::kExpression},
      {"direction", Field::kNumber},
      {"start", Field::kName},
      {"end", Field::kName}}},
    {Kind::kDeclaration,
     "DECLARE",
     {{"name", Field::kName},
      {"type", Field::kName},
      {"scope", Field::kNumber},
      {"initial", Field::kOptionalExpression}}},
    {Kind::kSkipLevel, "SKIP", {{"level", Field::kNumber}}},
    {Kind::kSyncMode, "SYNC-MODE", {{"mode", Field::kNumber}}},
    {Kind::kSyncBegin,
     "SYNC-BEGIN",
     {{"id", Field::kQuoted}, {"condition", Field::kExpression}, {"kind", Field::kNumber}}},
    {Kind::kSyncCancel, "SYNC-CANCEL", {{"id", Field::kQuoted}}},
    {Kind::kSubprogram, "SUBPROGRAM", {{"name", Field::kName}}},
    {Kind::kParameterMode, "PARAMETER-MODE", {{"name", Field::kName}, {"mode", Field::kNumber}}},
};

bool IsOpening(char c) {
  return c == '(' || c == '[' || c == '{';
}
bool IsClosing(char c) {
  return c == ')' || c == ']' || c == '}';
}

// Where the quoted text that opens at `at` ends (past its closing quote).
std::size_t SkipQuoted(std::string_view text, std::size_t at) {
  const char quote = text[at];
  for (++at; at < text.size() && text[at] != quote; ++at) {
    if (text[at] == '\\') ++at;
  }
  return at + 1;
}

void WriteExpression(JsonWriter& json, std::string_view expression) {
  if (expression == "_") {
    json.Null();
  } else {
    json.String(expression);
  }
}

void WriteNumber(JsonWriter& json, std::string_view text) {
  std::int64_t number = 0;
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (failure == std::errc() && end == text.data() + text.size()) {
    json.Integer(number);
  } else {
    json.String(text);
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return c - 'a' + 10;
}

// The text between the quotes, its escapes (\" \\ \xHH) undone.
std::string Unquoted(std::string_view quoted) {
  std::string text;
  const std::string_view inner = quoted.substr(1, quoted.size() >= 2 ? quoted.size() - 2 : 0);
  for (std::size_t at = 0; at < inner.size(); ++at) {
    if (inner[at] != '\\' || at + 1 >= inner.size()) {
      text += inner[at];
    } else if (inner[at + 1] == 'x' && at + 3 < inner.size()) {
      text += static_cast<char>(HexDigit(inner[at + 2]) * 16 + HexDigit(inner[at + 3]));
      at += 3;
    } else {
      text += inner[++at];
    }
  }
  return text;
}

// The inside of the bracketed part that opens at the start of `text`; moves
// `text` past it.
std::string_view TakeBracketed(std::string_view& text) {
  const std::size_t end = SplitTopLevel(text, " ").front().size();
  const std::string_view inner = text.substr(1, end >= 2 ? end - 2 : 0);
  text.remove_prefix(std::min(end + 1, text.size()));
  return inner;
}

// "-" as null, "[list] {map}" as {"list":[...],"map":{...}}; an absent
// argument "_" as null.
void WriteArguments(JsonWriter& json, std::string_view text) {
  if (text == "-") {
    json.Null();
    return;
  }
  const std::string_view list = TakeBracketed(text);
  const std::string_view map = TakeBracketed(text);
  json.BeginObject().Key("list").BeginArray();
  if (!list.empty()) {
    for (const std::string_view argument : SplitTopLevel(list, ", ")) WriteExpression(json, argument);
  }
  json.EndArray().Key("map").BeginObject();
  if (!map.empty()) {
    for (const std::string_view argument : SplitTopLevel(map, ", ")) {
      const std::size_t equals = argument.find('=');
      json.Key(argument.substr(0, equals));
      WriteExpression(json, argument.substr(std::min(equals + 1, argument.size())));
    }
  }
  json.EndObject().EndObject();
}

// The next blank-separated field of `rest`; moves `rest` past it.
std::string_view TakeField(std::string_view& rest) {
  const std::string_view field = SplitTopLevel(rest, " ").front();
  rest.remove_prefix(std::min(field.size() + 1, rest.size()));
  return field;
}

void WriteField(JsonWriter& json, const NamedField& named, std::string_view& rest) {
  switch (named.field) {
    case Field::kOptionalExpression:
      if (rest.empty()) return;
      json.Key(named.name);
      WriteExpression(json, TakeField(rest));
      return;
    case Field::kArguments:
      json.Key(named.name);
      WriteArguments(json, rest);
      rest = {};
      return;
    case Field::kRest:
      json.Key(named.name).String(rest);
      rest = {};
      return;
    default:
      break;
  }
  json.Key(named.name);
  const std::string_view field = TakeField(rest);
  if (named.field == Field::kNumber) {
    WriteNumber(json, field);
  } else if (named.field == Field::kExpression) {
    WriteExpression(json, field);
  } else if (named.field == Field::kQuoted) {
    json.String(Unquoted(field));
  } else {
    json.String(field);
  }
}

}  // namespace

std::vector<std::string_view> SplitTopLevel(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> pieces;
  std::size_t pieceStart = 0;
  int depth = 0;
  for (std::size_t at = 0; at < text.size();) {
    const char c = text[at];
    if (c == '"' || c == '\'') {
      at = SkipQuoted(text, at);
      continue;
    }
    if (IsOpening(c)) ++depth;
    if (IsClosing(c)) --depth;
    if (depth == 0 && text.substr(at).starts_with(separator)) {
      pieces.push_back(text.substr(pieceStart, at - pieceStart));
      at += separator.size();
      pieceStart = at;
      continue;
    }
    ++at;
  }
  pieces.push_back(text.substr(std::min(pieceStart, text.size())));
  return pieces;
}

void WriteItemJson(JsonWriter& json, Kind kind, std::string_view line) {
  for (const Layout& layout : kLayouts) {
    if (layout.kind != kind) continue;
    json.BeginObject().Key("item").String(layout.keyword);
    std::string_view rest = line.substr(std::min(layout.keyword.size() + 1, line.size()));
    for (const NamedField& field : layout.fields) WriteField(json, field, rest);
    json.EndObject();
    return;
  }
}

}  // namespace Velkor::Tessan
