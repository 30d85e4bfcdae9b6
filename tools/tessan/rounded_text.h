// Numbers of tessan run: rounded to a number of decimals, which hides the
// last bits of floating-point arithmetic (6.1e-16 for a point turned onto an
// axis), and written in the host's REAL text form, 0.0 for a negative zero.
#pragma once

#include <string>

namespace Velkor::Tessan {

// 0 to 9 decimals; never a negative zero. Values of a million and more stay
// as they are.
double Rounded(double value, int decimals);
std::string RoundedText(double value, int decimals);

// Positions, centres, feeds and dwells: to 1e-9.
inline constexpr int kPositionDecimals = 9;
void AppendPosition(double value, std::string& out);

}  // namespace Velkor::Tessan
