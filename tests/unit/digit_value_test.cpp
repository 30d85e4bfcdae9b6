// Digit runs in bases 2 to 16: where a run ends (at the first byte that is no
// digit of the base, whatever its neighbours in the character set), letters
// of either case, and the wrap to 32 bits.
#include "parser/digit_value.h"

#include <gtest/gtest.h>

#include <string>

namespace Velkor::OrvTessan {
namespace {

TEST(WrappedDigitValue, ARunEndsAtTheFirstByteThatIsNoDigitOfItsBase) {
  EXPECT_EQ(WrappedDigitValue("1011", 2), 11);
  EXPECT_EQ(WrappedDigitValue("1021", 2), 2);
  EXPECT_EQ(WrappedDigitValue("0479", 8), 39);
  EXPECT_EQ(WrappedDigitValue("123'", 10), 123);
  EXPECT_EQ(WrappedDigitValue("9A", 10), 9);
  EXPECT_EQ(WrappedDigitValue("1F", 16), 31);
  EXPECT_EQ(WrappedDigitValue("aBcDeF", 16), 0xABCDEF);
  EXPECT_EQ(WrappedDigitValue("", 10), 0);
  // The bytes next to the digits and to the letters in either case, and
  // bytes whose case bit would make them letters were they letters.
  for (const char end : std::string("/:@G`g\x01\x21\xc1\xe1\xff", 11)) {
    EXPECT_EQ(WrappedDigitValue(std::string("7") + end + "1", 16), 7) << static_cast<int>(end);
    EXPECT_EQ(WrappedDigitValue(std::string(1, end), 16), 0) << static_cast<int>(end);
  }
}

TEST(WrappedDigitValue, ALongRunKeepsItsLow32Bits) {
  EXPECT_EQ(WrappedDigitValue("2147483647", 10), 2147483647);
  EXPECT_EQ(WrappedDigitValue("2147483648", 10), -2147483647 - 1);
  EXPECT_EQ(WrappedDigitValue("4294967297", 10), 1);
  EXPECT_EQ(WrappedDigitValue("FFFFFFFF", 16), -1);
  EXPECT_EQ(WrappedDigitValue("1FFFFFFFE", 16), -2);
}

}  // namespace
}  // namespace Velkor::OrvTessan
