// Text forms of reals and quoted texts.
#include "orvref/text_forms.h"

#include <charconv>
#include <cstdio>

#include "expressions/node.h"

namespace Velkor::OrvReference {

std::string RealText(double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, error == std::errc() ? end : buffer);
  if (text.find_first_of(".eabcdfghijklmnopqrstuvwxyz") == std::string::npos) text += ".0";
  return text;
}

std::string QuotedText(std::string_view text, char quote) {
  std::string quoted(1, quote);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == quote || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 32 || byte > 126) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  quoted += quote;
  return quoted;
}

std::string ExpressionText(const Orv::INCObject* expression) {
  std::string text;
  RenderObject(expression, text);
  return text;
}

}  // namespace Velkor::OrvReference
