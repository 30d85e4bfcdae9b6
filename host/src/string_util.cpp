// Small text helpers of the host; ASCII only, whatever the locale.
#include "orv/string_util.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace Velkor::Orv {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Eight bytes at a time: a byte gets 0x80 in `lower` when it lies from 'a'
// to 'z' (bytes from 0x80 up never do), and that bit shifted to 0x20 turns
// its case.
void UpperCaseWord(char* at) {
  constexpr std::uint64_t kEach = 0x0101010101010101;
  constexpr std::uint64_t kHigh = 0x80 * kEach;
  std::uint64_t word;
  std::memcpy(&word, at, 8);
  const std::uint64_t low = word & ~kHigh;
  const std::uint64_t fromA = low + (0x80 - 'a') * kEach;
  const std::uint64_t pastZ = low + (0x80 - 'z' - 1) * kEach;
  const std::uint64_t lower = fromA & ~pastZ & ~word & kHigh;
  word ^= lower >> 2;
  std::memcpy(at, &word, 8);
}

}  // namespace

void StringUtil::StripLeadingWhitespaces(String& text) {
  const auto firstKept = std::find_if_not(text.begin(), text.end(), IsBlank);
  text.erase(text.begin(), firstKept);
}

// A text of eight bytes or more ends with one word more, its last eight
// bytes, which may overlap the word before: bytes already upper-cased stay.
void StringUtil::ToUpper(String& text) {
  char* c = text.data();
  const std::size_t size = text.size();
  if (size < 8) {
    for (char* const end = c + size; c != end; ++c) {
      if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
    }
    return;
  }
  char* const lastWord = c + size - 8;
  for (; c < lastWord; c += 8) UpperCaseWord(c);
  UpperCaseWord(lastWord);
}

}  // namespace Velkor::Orv
