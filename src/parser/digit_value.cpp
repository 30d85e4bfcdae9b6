#include "parser/digit_value.h"

namespace Velkor::OrvTessan {
namespace {

constexpr int kMostShortDecimalDigits = 15;  // below 2^53, so exact in a double
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The digit's value, or `base` (no digit of this base) for any other byte.
// Each range is one unsigned comparison; setting the case bit of a letter
// makes it lower case and leaves no other byte in 'a' to 'f'.
unsigned DigitOf(char c, unsigned base) {
  const unsigned byte = static_cast<unsigned char>(c);
  unsigned digit = byte - '0';
  if (digit > 9) {
    const unsigned letter = (byte | 0x20u) - 'a';
    digit = letter < 6 ? letter + 10 : base;
  }
  return digit < base ? digit : base;
}

}  // namespace

std::int32_t WrappedDigitValue(std::string_view text, unsigned base) {
  std::uint32_t value = 0;  // unsigned: the wrap-around is defined
  for (char c : text) {
    const unsigned digit = DigitOf(c, base);
    if (digit == base) break;
    value = value * base + digit;
  }
  return static_cast<std::int32_t>(value);
}

std::optional<double> ShortDecimalValue(std::string_view text) {
  // At most the digits and a point: a whole number of at most 16 digits
  // cannot overflow while the digits are gathered.
  if (text.empty() || text.size() > kMostShortDecimalDigits + 1) return std::nullopt;
  std::int64_t digits = 0;
  const char* next = text.data();
  const char* const end = next + text.size();
  const auto gather = [&] {
    const char* const start = next;
    for (; next != end && *next >= '0' && *next <= '9'; ++next) digits = digits * 10 + (*next - '0');
    return next - start;
  };
  const auto wholeDigits = gather();
  std::ptrdiff_t decimals = 0;
  if (next != end && *next == '.') {
    ++next;
    decimals = gather();
  }
  if (next != end || wholeDigits + decimals == 0 || wholeDigits + decimals > kMostShortDecimalDigits) {
    return std::nullopt;
  }
  return static_cast<double>(digits) / kPowersOfTen[decimals];
}

}  // namespace Velkor::OrvTessan
