#include "rounded_text.h"

#include <cmath>

#include "orvref/text_forms.h"

namespace Velkor::Tessan {

double Rounded(double value, int decimals) {
  static constexpr double kScales[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
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
  OrvReference::AppendRealText(Rounded(value, kPositionDecimals), out);
}

}  // namespace Velkor::Tessan
