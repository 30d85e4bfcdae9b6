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

}  // namespace
}  // namespace Velkor::Orv
