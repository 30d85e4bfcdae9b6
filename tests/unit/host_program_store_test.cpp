// The program store: lines served from files on demand, line endings
// removed, standard input read no further than asked and served again.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "orvref/live_objects.h"
#include "orvref/program_store.h"

namespace Velkor::OrvReference {
namespace {

const char kText[] = "N10 G1\r\nN20 X1\n\nlast";

class HostProgramStore : public ::testing::Test {
 protected:
  void TearDown() override {
    std::filesystem::remove(path_);
    EXPECT_EQ(LiveObjectCount(), startCount_);
  }

  std::string WriteFile() {
    std::ofstream(path_, std::ios::binary) << kText;
    return path_;
  }

  static void ExpectLines(const Orv::IProgramText& program) {
    Orv::String line;
    ASSERT_EQ(program.GetLine(3, line), Orv::ORV_SUCCESS);
    EXPECT_EQ(line, "last");
    ASSERT_EQ(program.GetLine(0, line), Orv::ORV_SUCCESS);
    EXPECT_EQ(line, "N10 G1");
    ASSERT_EQ(program.GetLine(2, line), Orv::ORV_SUCCESS);
    EXPECT_EQ(line, "");
    ASSERT_EQ(program.GetLine(1, line), Orv::ORV_SUCCESS);
    EXPECT_EQ(line, "N20 X1");
    EXPECT_NE(program.GetLine(4, line), Orv::ORV_SUCCESS);
    EXPECT_NE(program.GetLine(-1, line), Orv::ORV_SUCCESS);
    EXPECT_EQ(program.GetLineCount(), 4);
  }

  const std::string path_ =
      (std::filesystem::temp_directory_path() /
       (std::string("host_program_store_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
        std::to_string(::getpid())))
          .string();
  const std::int64_t startCount_ = LiveObjectCount();
};

TEST_F(HostProgramStore, ServesTheLinesOfAFileInAnyOrder) {
  ProgramStore store("KEY");
  const auto program = store.AddFile(WriteFile());
  ASSERT_TRUE(program);
  ExpectLines(*program);
  EXPECT_TRUE(store.HasProgramNamed(path_));
  EXPECT_FALSE(store.AddFile(path_ + ".missing"));
}

TEST_F(HostProgramStore, ReadsAStreamNoFurtherThanAskedAndServesItAgain) {
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  std::fputs(kText, stream);
  std::rewind(stream);
  {
    ProgramStore store("KEY");
    const auto program = store.AddStream(stream, "<stdin>");
    ASSERT_TRUE(program);
    Orv::String line;
    ASSERT_EQ(program->ReadLine(0, line), ProgramFile::Read::kLine);
    EXPECT_EQ(std::ftell(stream), 8);
    ExpectLines(*program);
  }
  std::fclose(stream);
}

TEST_F(HostProgramStore, CountsProgramsUnderItsKeyOnly) {
  ProgramStore store("KEY");
  store.AddFile(WriteFile());
  store.AddFile(path_);
  EXPECT_EQ(store.GetProgramCount("KEY"), 2);
  EXPECT_EQ(store.GetProgramCount("OTHER"), 0);
  Orv::SmartPointer<Orv::IProgramText> program;
  EXPECT_EQ(store.GetProgram("KEY", 1, program), Orv::ORV_SUCCESS);
  EXPECT_NE(store.GetProgram("KEY", 2, program), Orv::ORV_SUCCESS);
  EXPECT_NE(store.GetProgram("OTHER", 0, program), Orv::ORV_SUCCESS);
}

}  // namespace
}  // namespace Velkor::OrvReference
