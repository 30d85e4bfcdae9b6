// Text forms of reals and quoted texts.
#include "orvref/text_forms.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "expressions/node.h"

namespace Velkor::OrvReference {
namespace {

constexpr double kPowersOfTen[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
constexpr int kMostDecimals = 6;
// Below this no two numbers of at most kMostDecimals decimals read back as
// the same real: the reals there lie closer together than 1e-6.
constexpr double kShortDecimalLimit = 1e9;

// The text std::to_chars gives a real that a number of few decimals reads
// back as (most coordinates and feeds of a part program), without its
// search for the shortest digits: these are the digits of value x 10^k
// rounded, for the fewest decimals k that read back as the value. The fixed
// form is written unless the exponent form is shorter, as std::to_chars
// decides, and a whole number gets its ".0". Written to `text` (room for 32
// characters), the end returned; null, with nothing written, for any other
// real.
char* WriteShortDecimal(double value, char* text) {
  const double magnitude = std::fabs(value);
  if (!(magnitude < kShortDecimalLimit)) return nullptr;
  for (int decimals = 0; decimals <= kMostDecimals; ++decimals) {
    // Rounded half up: where a number of these decimals reads back as the
    // value, value x 10^k lies next to it, far from a half.
    const auto number = static_cast<std::uint64_t>(magnitude * kPowersOfTen[decimals] + 0.5);
    if (static_cast<double>(number) / kPowersOfTen[decimals] != magnitude) continue;
    char digits[24];
    const int length = static_cast<int>(std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
    int significant = length;
    while (significant > 1 && digits[significant - 1] == '0') --significant;
    const int exponent = length - 1 - decimals;
    const int fixedLength = decimals == 0 ? length : std::max(length, decimals + 1) + 1;
    const int exponentLength = significant + (significant > 1 ? 1 : 0) + 2 + (std::abs(exponent) >= 100 ? 3 : 2);
    char* out = text;
    if (std::signbit(value)) *out++ = '-';
    const auto copy = [&out](const char* from, int count) {
      std::memcpy(out, from, static_cast<std::size_t>(count));
      out += count;
    };
    if (fixedLength <= exponentLength) {
      if (decimals == 0) {
        copy(digits, length);
        copy(".0", 2);
      } else if (length > decimals) {
        copy(digits, length - decimals);
        *out++ = '.';
        copy(digits + length - decimals, decimals);
      } else {
        copy("0.", 2);
        out = std::fill_n(out, decimals - length, '0');
        copy(digits, length);
      }
    } else {
      *out++ = digits[0];
      if (significant > 1) {
        *out++ = '.';
        copy(digits + 1, significant - 1);
      }
      copy(exponent < 0 ? "e-" : "e+", 2);
      if (std::abs(exponent) < 10) *out++ = '0';
      out = std::to_chars(out, out + 4, std::abs(exponent)).ptr;
    }
    return out;
  }
  return nullptr;
}

}  // namespace

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
  if (const char* end = WriteShortDecimal(value, buffer)) {
    out.append(buffer, static_cast<std::size_t>(end - buffer));
    return;
  }
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
  // Flags, directions and modes: most numbers of the trace are one digit.
  if (value >= 0 && value <= 9) {
    out += static_cast<char>('0' + value);
    return;
  }
  char buffer[24];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

}  // namespace Velkor::OrvReference
