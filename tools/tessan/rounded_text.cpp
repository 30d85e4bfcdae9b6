#include "rounded_text.h"

#include <cmath>
#include <cstdint>

#include "orvref/text_forms.h"

namespace Velkor::Tessan {
namespace {

constexpr double kScales[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
// One in units of 1e-9.
constexpr std::uint64_t kWhole = 1'000'000'000;

// The REAL text form of a number rounded to 1e-9 whose magnitude lies from
// 0.01 to below 100000: there the text is the number's fixed digits, the
// fraction's trailing zeros dropped (".0" for none). No shorter text reads
// back as the same real (two such numbers differ by 1e-9 at least), and the
// exponent form is never shorter than the fixed one.
bool AppendFixedPosition(double value, std::string& out) {
  const double magnitude = std::fabs(value);
  if (!(magnitude >= 0.01 && magnitude < 100000.0)) return false;
  // The scaled magnitude lies below 2^47, where adding one half is exact:
  // the sum's whole part is the scaled magnitude rounded half away from zero.
  const double units = magnitude * kScales[kPositionDecimals];
  const auto scaled = static_cast<std::uint64_t>(units + 0.5);
  // Rounding may have carried the number to 100000.
  if (scaled >= 100000 * kWhole) return false;
  std::uint64_t whole = scaled / kWhole, fraction = scaled % kWhole;
  int places = kPositionDecimals;
  if (fraction == 0) {
    places = 1;
  } else {
    // Most programs write three decimals: their six zeros go at once.
    if (fraction % 1'000'000 == 0) {
      fraction /= 1'000'000;
      places -= 6;
    }
    while (fraction % 10 == 0) {
      fraction /= 10;
      --places;
    }
  }
  // The digits are written from the last one backward.
  char text[24];
  char* const end = text + sizeof text;
  char* first = end;
  for (int place = 0; place < places; ++place, fraction /= 10) *--first = static_cast<char>('0' + fraction % 10);
  *--first = '.';
  do {
    *--first = static_cast<char>('0' + whole % 10);
    whole /= 10;
  } while (whole != 0);
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
