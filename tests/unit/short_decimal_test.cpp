// Short decimals are read without the general conversion; the value must be
// the one the general conversion gives, bit for bit, and any text outside
// the short form must be left to it.
#include <gtest/gtest.h>

#include <charconv>
#include <random>
#include <string>

#include "parser/digit_value.h"

namespace Velkor::OrvTessan {
namespace {

double GeneralValue(const std::string& text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

void ExpectSameAsGeneral(const std::string& text) {
  const std::optional<double> value = ShortDecimalValue(text);
  ASSERT_TRUE(value.has_value()) << text;
  EXPECT_EQ(*value, GeneralValue(text)) << text;
}

TEST(ShortDecimal, EveryShapeOfFewDigitsReadsAsTheGeneralConversion) {
  for (const char* text : {"0", "0.0", ".5", "5.", "139.427", "-0", "474.989", "0.1", "0.3", "1200", "22.497",
                           "999999999999999", "99999999999999.9", ".999999999999999", "0.00000000000001",
                           "000000000000001", "9007199254740.99", "123456789.012345"}) {
    if (text[0] == '-') {
      EXPECT_FALSE(ShortDecimalValue(text).has_value()) << "the sign is no part of the literal";
      continue;
    }
    ExpectSameAsGeneral(text);
  }
}

// Random digit strings of 1 to 15 digits with the point anywhere: halfway
// and near-halfway cases of the division are among them.
TEST(ShortDecimal, RandomShortDecimalsReadAsTheGeneralConversion) {
  std::mt19937_64 random(20261208);
  std::uniform_int_distribution<int> digitCount(1, 15);
  std::uniform_int_distribution<int> digit(0, 9);
  for (int i = 0; i < 200000; ++i) {
    std::string text;
    const int count = digitCount(random);
    for (int d = 0; d < count; ++d) text += static_cast<char>('0' + digit(random));
    text.insert(std::uniform_int_distribution<std::size_t>(0, text.size())(random), 1, '.');
    ExpectSameAsGeneral(text);
    if (HasFailure()) return;
  }
}

TEST(ShortDecimal, OtherTextsAreLeftToTheGeneralConversion) {
  for (const char* text : {"", ".", "1.2.3", "1e5", "1E5", "12a", " 1", "1 ", "+1", "9999999999999999",
                           "0.0000000000000001", "1234567890123456.", "12345678.90123456"}) {
    EXPECT_FALSE(ShortDecimalValue(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace Velkor::OrvTessan
