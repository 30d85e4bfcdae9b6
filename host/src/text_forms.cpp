// Text forms of reals and quoted texts.
#include "orvref/text_forms.h"

#include <charconv>
#include <cstdio>

#include "expressions/node.h"

namespace Velkor::OrvReference {

std::string RealText(double value) {
  std::string text;
  AppendRealText(value, text);
  return text;
}

std::string QuotedText(std::string_view text, char quote) {
  std::string quoted;
  AppendQuotedText(text, quote, quoted);
  return quoted;
}

std::string ExpressionText(const Orv::INCObject* expression) {
  std::string text;
  RenderObject(expression, text);
  return text;
}

void AppendRealText(double value, std::string& out) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  const std::string_view text(buffer, error == std::errc() ? static_cast<std::size_t>(end - buffer) : 0);
  out += text;
  if (text.find_first_of(".eabcdfghijklmnopqrstuvwxyz") == std::string_view::npos) out += ".0";
}

void AppendQuotedText(std::string_view text, char quote, std::string& out) {
  out += quote;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == quote || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 32 || byte > 126) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  out += quote;
}

void AppendExpressionText(const Orv::INCObject* expression, std::string& out) {
  RenderObject(expression, out);
}

void AppendInteger(std::int64_t value, std::string& out) {
  char buffer[24];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

}  // namespace Velkor::OrvReference
