// parse and check on a line longer than the program store hands out: the
// block is refused with the message for over-long blocks, in the trace, the
// JSON object and the diagnostics, and the next block is read.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "commands.h"

namespace Velkor::Tessan {
namespace {

class TessanOverLongLine : public ::testing::Test {
 protected:
  TessanOverLongLine() {
    std::ofstream(path_) << "G1\n" << std::string(OrvReference::ProgramFile::kMaximumLineLength + 1, 'X') << "\nG0\n";
    commandLine_.operands = {path_};
  }
  ~TessanOverLongLine() override { std::remove(path_.c_str()); }

  // Runs `command` in a new session; its standard output and error.
  int Run(int (*command)(Session&, const CommandLine&), std::string& output, std::string& errors) {
    std::string error;
    const std::unique_ptr<Session> session = Session::Open(commandLine_, error);
    EXPECT_TRUE(session) << error;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status = command(*session, commandLine_);
    std::fflush(stdout);
    output = ::testing::internal::GetCapturedStdout();
    errors = ::testing::internal::GetCapturedStderr();
    return status;
  }

  // One file per test, since CTest runs the tests side by side.
  const std::string path_ =
      ::testing::TempDir() + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".mpf";
  const std::string diagnostic_ =
      path_ + ":2: error: The current line exceeds the maximum length permitted by the controller.\n";
  CommandLine commandLine_;
};

TEST_F(TessanOverLongLine, CheckCountsItAsOneError) {
  std::string output, errors;
  EXPECT_EQ(Run(RunCheck, output, errors), kExitFailure);
  EXPECT_EQ(output, "");
  EXPECT_EQ(errors, diagnostic_ + "3 blocks, 1 error, 0 warnings\n");
}

TEST_F(TessanOverLongLine, ParseJsonGivesNoTextAndTheRefusal) {
  commandLine_.format = OutputFormat::kJson;
  std::string output, errors;
  EXPECT_EQ(Run(RunParse, output, errors), kExitFailure);
  EXPECT_NE(output.find("{\"file\":\"" + path_ +
                        "\",\"line\":2,\"text\":null,\"items\":[],\"error\":{\"kind\":0,\"message\":\"The current line "
                        "exceeds the maximum length permitted by the controller.\"},\"warnings\":[]}\n{\"file\""),
            std::string::npos)
      << output.substr(0, 300);
  EXPECT_EQ(errors, diagnostic_);
}

TEST_F(TessanOverLongLine, ParseTextCopiesTheWholeLine) {
  std::string output, errors;
  EXPECT_EQ(Run(RunParse, output, errors), kExitFailure);
  const std::string line(OrvReference::ProgramFile::kMaximumLineLength + 1, 'X');
  EXPECT_EQ(output, "@1 G1\nCOMMAND G1 1 -\n@2 " + line +
                        "\nERROR 0 The current line exceeds the maximum length permitted by the controller.\n"
                        "@3 G0\nCOMMAND G0 1 -\n");
}

}  // namespace
}  // namespace Velkor::Tessan
