// Text forms of reals and quoted texts.
#include "orvref/text_forms.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "expressions/node.h"

namespace Velkor::OrvReference {
namespace {

constexpr int kMostDecimals = 6;
constexpr std::uint64_t kScale = 1000000;  // 10^kMostDecimals
// Below this no two numbers of at most kMostDecimals decimals read back as
// the same real: the reals there lie closer together than 1e-6.
constexpr double kShortDecimalLimit = 1e9;

// "00" to "99", two digits written at a time.
constexpr auto kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// Writes the two digits of `number` % 100 at `at`.
void WritePair(char* at, std::uint64_t number) {
  std::memcpy(at, &kDigitPairs[2 * (number % 100)], 2);
}

// The text std::to_chars gives a real that a number of few decimals reads
// back as (most coordinates and feeds of a part program), without its
// search for the shortest digits. Where some number of k <= 6 decimals reads
// back as the value, so does that number x 10^(6-k) of six decimals (both
// quotients are the one real correctly rounded, and value x 10^6 lies far
// from a half), so the value's six decimals rounded, their trailing zeros
// dropped, are the fewest that read back. Written in the fixed form, a whole
// number with its ".0", in `buffer`; empty for any other real and where the
// exponent form is shorter (std::to_chars writes those).
std::string_view ShortDecimalText(double value, char (&buffer)[64]) {
  const double magnitude = std::fabs(value);
  if (!(magnitude < kShortDecimalLimit)) return {};
  // Rounded half up: value x 10^6 lies next to a whole number here.
  const auto scaled = static_cast<std::uint64_t>(magnitude * static_cast<double>(kScale) + 0.5);
  if (static_cast<double>(scaled) / static_cast<double>(kScale) != magnitude) return {};
  // The whole part before the point at `point`, backwards; the six decimals
  // after it, their trailing zeros cut but one.
  char* const point = buffer + 32;
  std::uint64_t whole = scaled / kScale;
  char* first = point;
  for (; whole >= 100; whole /= 100) WritePair(first -= 2, whole);
  if (whole >= 10) {
    WritePair(first -= 2, whole);
  } else {
    *--first = static_cast<char>('0' + whole);
  }
  *point = '.';
  const std::uint64_t fraction = scaled % kScale;
  WritePair(point + 1, fraction / 10000);
  WritePair(point + 3, fraction / 100);
  WritePair(point + 5, fraction);
  char* last = point + 1 + kMostDecimals;
  while (last > point + 2 && last[-1] == '0') --last;
  // The digits of value x 10^decimals, as the exponent form would show them.
  const int decimals = fraction == 0 ? 0 : static_cast<int>(last - point - 1);
  int length = 0;
  int significant = 0;
  if (scaled / kScale != 0) {
    length = static_cast<int>(point - first) + decimals;
    significant = length;
    if (decimals == 0) {
      for (const char* digit = point - 1; digit > first && *digit == '0'; --digit) --significant;
    }
  } else {
    const char* digit = point + 1;
    while (digit < last - 1 && *digit == '0') ++digit;
    length = fraction == 0 ? 1 : static_cast<int>(last - digit);
    significant = length;
  }
  const int exponent = length - 1 - decimals;
  const int fixedLength = decimals == 0 ? length : std::max(length, decimals + 1) + 1;
  const int exponentLength = significant + (significant > 1 ? 1 : 0) + 2 + (std::abs(exponent) >= 100 ? 3 : 2);
  if (fixedLength > exponentLength) return {};
  if (std::signbit(value)) *--first = '-';
  return std::string_view(first, static_cast<std::size_t>(last - first));
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
  if (const std::string_view text = ShortDecimalText(value, buffer); !text.empty()) {
    out += text;
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
