// The host's text helpers: leading white space of every kind stripped, and
// ASCII letters alone upper-cased.
#include <gtest/gtest.h>

#include "orv/string_util.h"

namespace Velkor::Orv {
namespace {

TEST(HostStringUtil, StripsLeadingWhiteSpaceOnly) {
  String text = " \t\r\n%_N_SUB1 _SPF ";
  StringUtil::StripLeadingWhitespaces(text);
  EXPECT_EQ(text, "%_N_SUB1 _SPF ");
  String blank = "  ";
  StringUtil::StripLeadingWhitespaces(blank);
  EXPECT_EQ(blank, "");
}

TEST(HostStringUtil, UpperCasesAsciiLettersOnly) {
  String text = "%_n_sub1_spf \xE9z{";
  StringUtil::ToUpper(text);
  EXPECT_EQ(text, "%_N_SUB1_SPF \xE9Z{");
}

// Every byte value at every place of a text longer than one word of eight
// bytes: the letters next to 'a' and 'z' and the bytes from 0x80 up, whose
// low seven bits are letters, keep their case.
TEST(HostStringUtil, UpperCasesEveryByteOfLongTextsAlike) {
  for (std::size_t shift = 0; shift < 11; ++shift) {
    String text;
    String expected;
    for (int byte = 0; byte < 256; ++byte) {
      const char c = static_cast<char>((byte + static_cast<int>(shift)) % 256);
      text += c;
      expected += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    text.resize(text.size() - shift);
    expected.resize(expected.size() - shift);
    StringUtil::ToUpper(text);
    ASSERT_EQ(text, expected) << "shift " << shift;
  }
}

// Texts of every length up to three words: the short ones byte by byte,
// the last word of the longer ones overlapping the word before it.
TEST(HostStringUtil, UpperCasesTextsOfEveryShortLength) {
  const String letters = "abcxyzAZ`{_0az@[mnopqrst";
  const String upper = "ABCXYZAZ`{_0AZ@[MNOPQRST";
  for (std::size_t length = 0; length <= letters.size(); ++length) {
    String text = letters.substr(0, length);
    StringUtil::ToUpper(text);
    ASSERT_EQ(text, upper.substr(0, length)) << "length " << length;
  }
}

}  // namespace
}  // namespace Velkor::Orv
