#include "parser/digit_value.h"

namespace Velkor::OrvTessan {
namespace {

// The digit's value, or `base` (no digit of this base) for any other byte.
unsigned DigitOf(char c, unsigned base) {
  unsigned digit = base;
  if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
  if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
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

}  // namespace Velkor::OrvTessan
