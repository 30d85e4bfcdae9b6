// The message catalogue: numbering, formatting and the out-of-range text.
#include "plugin/messages.h"

#include <gtest/gtest.h>

namespace Velkor::OrvTessan {
namespace {

TEST(MessageCatalogue, NumbersOutsideTheCatalogueGiveTheUnknownText) {
  EXPECT_EQ(FormatMessage(0), "Unknown ORV Message.");
  EXPECT_EQ(FormatMessage(15), "Unknown ORV Message.");
  EXPECT_EQ(FormatMessage(-1), "Unknown ORV Message.");
}

TEST(MessageCatalogue, FormatsTheArgumentIntoItsPlace) {
  EXPECT_EQ(FormatMessage(kUnknownAxis, "X1"), "There is no registered axis with the name 'X1'.");
  EXPECT_EQ(FormatMessage(kNoExternDeclaration, "SUB2"),
            "There was no EXTERN declaration for the subprogram 'SUB2'. All parameters are passed by reference.");
}

TEST(MessageCatalogue, FirstAndLastEntriesAreInPlace) {
  EXPECT_EQ(FormatMessage(kWrongArgumentCount), "Wrong argument count in command.");
  EXPECT_EQ(FormatMessage(kLineTooLong), "The current line exceeds the maximum length permitted by the controller.");
}

}  // namespace
}  // namespace Velkor::OrvTessan
