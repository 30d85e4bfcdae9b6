#include "rounded_text.h"

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
  auto scaled = static_cast<std::uint64_t>(std::round(magnitude * kScales[kPositionDecimals]));
  // Rounding may have carried the number to 100000.
  if (scaled >= 100000ULL * 1'000'000'000) return false;
  // The digits are written from the last one backward.
  char text[32];
  char* end = text + sizeof text;
  char* first = end;
  int decimals = kPositionDecimals;
  while (decimals > 0 && scaled % 10 == 0) {
    scaled /= 10;
    --decimals;
  }
  if (decimals == 0) *--first = '0';
  for (; decimals > 0; --decimals, scaled /= 10) *--first = static_cast<char>('0' + scaled % 10);
  *--first = '.';
  do {
    *--first = static_cast<char>('0' + scaled % 10);
    scaled /= 10;
  } while (scaled != 0);
  if (value < 0.0) *--first = '-';
  out.append(first, static_cast<std::size_t>(end - first));
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
