// The notice left by a call with arguments to a subprogram without EXTERN:
// it sits in the last-message slot with kind 2, never rejects the block, and
// gives way to the message of a failure later in the same block. The drivers
// do not hand it over for a block that parses, so no trace shows it.
#include <gtest/gtest.h>

#include "block_parsing.h"
#include "parser/parse_state.h"
#include "plugin/messages.h"
#include "plugin/results.h"

namespace Velkor::OrvTessan {
namespace {

class CallNotice : public BlockParsing {
 protected:
  static const ErrorState& slot() { return ParseState::Global().error; }
};

TEST_F(CallNotice, ArgumentsToAnUndeclaredSubprogramLeaveMessageTwelveWithKindTwo) {
  for (const char* block : {"SUB2(1, 2)", "MCALL SUB2(1)", "CALL \"SUB2\"(1)", "L200(1)"}) {
    SCOPED_TRACE(block);
    EXPECT_EQ(Parse(block), kSuccess);
    const std::string subprogram = block[0] == 'L' ? "L200" : "SUB2";
    EXPECT_EQ(slot().lastMessage, FormatMessage(kNoExternDeclaration, subprogram.c_str()));
    EXPECT_EQ(slot().kind, 2);
    // A successful block hands over nothing.
    EXPECT_EQ(kind_, -1);
    EXPECT_EQ(message_, "untouched");
  }
}

TEST_F(CallNotice, NoNoticeWithoutArgumentsOrAfterExtern) {
  for (const char* block : {"SUB2", "SUB2()", "EXTERN SUB3(INT)", "SUB3(1)"}) {
    SCOPED_TRACE(block);
    EXPECT_EQ(Parse(block), kSuccess);
    EXPECT_EQ(slot().lastMessage, "Parse error.");
    EXPECT_EQ(slot().kind, 0);
  }
}

TEST_F(CallNotice, AFailureLaterInTheBlockReplacesTheNotice) {
  EXPECT_EQ(Parse("SUB2(1) GOTOF 5"), kFailure);
  EXPECT_EQ(kind_, 0);
  EXPECT_EQ(message_, FormatMessage(kParseErrorAfter, "SUB2(1) GOTOF 5"));
}

}  // namespace
}  // namespace Velkor::OrvTessan
