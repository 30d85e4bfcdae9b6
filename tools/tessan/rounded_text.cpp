#include "rounded_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "orvref/text_forms.h"

namespace Velkor::Tessan {
namespace {

constexpr double kScales[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// The REAL text form of a number rounded to 1e-9 whose magnitude lies from
// 0.01 to below 100000: there the text is the number's fixed digits, the
// fraction's trailing zeros dropped (".0" for none). No shorter text reads
// back as the same real (two such numbers differ by 1e-9 at least), and the
// exponent form is never shorter than the fixed one.
bool AppendFixedPosition(double value, std::string& out) {
  const double magnitude = std::fabs(value);
  if (!(magnitude >= 0.01 && magnitude < 100000.0)) return false;
  const auto scaled = static_cast<std::uint64_t>(std::llround(magnitude * kScales[kPositionDecimals]));
  const std::uint64_t whole = scaled / 1'000'000'000, fraction = scaled % 1'000'000'000;
  // Rounding may have carried the number to 100000.
  if (whole >= 100000) return false;
  if (value < 0.0) out += '-';
  char digits[24];
  out.append(digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, whole).ptr - digits));
  out += '.';
  if (fraction == 0) {
    out += '0';
    return true;
  }
  char decimals[9];
  std::uint64_t rest = fraction;
  for (int place = 8; place >= 0; --place) {
    decimals[place] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  }
  std::size_t length = 9;
  while (decimals[length - 1] == '0') --length;
  out.append(decimals, length);
  return true;
}

}  // namespace

double Rounded(double value, int decimals) {
  if (std::abs(value) < 1e6) {
    const double scale = kScales[decimals];
    value = std::round(value * scale) / scale;
  }
  return value == 0.0 ? 0.0 : value;
}

std::string RoundedText(double value, int decimals) {
  return OrvReference::RealText(Rounded(value, decimals));
}

void AppendPosition(double value, std::string& out) {
  if (!AppendFixedPosition(value, out)) OrvReference::AppendRealText(Rounded(value, kPositionDecimals), out);
}

}  // namespace Velkor::Tessan
