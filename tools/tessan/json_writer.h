// A small JSON writer for tessan's JSON Lines output: one value (usually an
// object) built as text, then taken as one line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Velkor::Tessan {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  // The name of the next member of the open object.
  JsonWriter& Key(std::string_view name);

  // Valid UTF-8 is kept; a byte that is not part of a valid UTF-8 sequence
  // is written as the code point of the same number (its Latin-1 reading).
  JsonWriter& String(std::string_view text);
  JsonWriter& Integer(std::int64_t number);
  // Not a finite number: null, since JSON has no infinities.
  JsonWriter& Real(double number);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

  // The value written so far.
  const std::string& text() const { return text_; }
  // The value with a line feed, leaving the writer empty for the next line.
  std::string TakeLine();

 private:
  // The comma before a value or a key, unless it is the first of its
  // container or follows its key.
  void BeginValue();
  JsonWriter& Open(char bracket);
  JsonWriter& Close(char bracket);

  std::string text_;
  // One entry per open container: whether it has a member yet.
  std::vector<bool> containerHasMember_;
  bool afterKey_ = false;
};

}  // namespace Velkor::Tessan
