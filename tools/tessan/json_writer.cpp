#include "json_writer.h"

#include <cmath>

#include "orvref/text_forms.h"

namespace Velkor::Tessan {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendCodePointEscape(std::string& out, unsigned char byte) {
  out += "\\u00";
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0xF];
}

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence of two to four bytes that
// starts at `at`; 0 when there is none (a stray byte, a truncated sequence,
// an overlong form, a surrogate or a code point above U+10FFFF).
std::size_t MultibyteSequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t offset) { return static_cast<unsigned char>(text[at + offset]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  // The range the second byte must fall into; it rules out the overlong
  // forms, the surrogates and what lies beyond U+10FFFF.
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size() || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t offset = 2; offset < length; ++offset) {
    if (!IsContinuation(byte(offset))) return 0;
  }
  return length;
}

void AppendEscaped(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x80) {
      const std::size_t length = MultibyteSequenceLength(text, at);
      if (length == 0) {
        AppendCodePointEscape(out, byte);
        ++at;
      } else {
        out.append(text, at, length);
        at += length;
      }
      continue;
    }
    switch (byte) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          AppendCodePointEscape(out, byte);
        } else {
          out += static_cast<char>(byte);
        }
    }
    ++at;
  }
  out += '"';
}

}  // namespace

void JsonWriter::BeginValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (containerHasMember_.empty()) return;
  if (containerHasMember_.back()) text_ += ',';
  containerHasMember_.back() = true;
}

JsonWriter& JsonWriter::Open(char bracket) {
  BeginValue();
  text_ += bracket;
  containerHasMember_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
  text_ += bracket;
  containerHasMember_.pop_back();
  return *this;
}

JsonWriter& JsonWriter::BeginObject() {
  return Open('{');
}
JsonWriter& JsonWriter::EndObject() {
  return Close('}');
}
JsonWriter& JsonWriter::BeginArray() {
  return Open('[');
}
JsonWriter& JsonWriter::EndArray() {
  return Close(']');
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  BeginValue();
  AppendEscaped(text_, name);
  text_ += ':';
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
  BeginValue();
  AppendEscaped(text_, text);
  return *this;
}

JsonWriter& JsonWriter::Integer(std::int64_t number) {
  BeginValue();
  text_ += std::to_string(number);
  return *this;
}

JsonWriter& JsonWriter::Real(double number) {
  if (!std::isfinite(number)) return Null();
  BeginValue();
  text_ += OrvReference::RealText(number);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeginValue();
  text_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeginValue();
  text_ += "null";
  return *this;
}

std::string JsonWriter::TakeLine() {
  std::string line = std::move(text_);
  line += '\n';
  text_.clear();
  containerHasMember_.clear();
  afterKey_ = false;
  return line;
}

}  // namespace Velkor::Tessan
