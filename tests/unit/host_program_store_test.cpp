// The program store: lines served from files on demand, line endings
// removed, standard input read no further than asked and served again, any
// line served again after a jump, over-long lines never handed out cut.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

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

  std::string WriteFile(std::string_view text = kText) {
    std::ofstream(path_, std::ios::binary) << text;
    return path_;
  }

  // Every line of `text` read in order, then the line count.
  static std::vector<std::string> LinesOf(const ProgramFile& program) {
    std::vector<std::string> lines;
    Orv::String line;
    for (std::int32_t index = 0; program.ReadLine(index, line) == ProgramFile::Read::kLine; ++index) {
      lines.emplace_back(line.data(), line.size());
    }
    EXPECT_EQ(program.GetLineCount(), static_cast<std::int32_t>(lines.size()));
    return lines;
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
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  std::FILE* stream = ::fdopen(ends[0], "r");
  ASSERT_NE(stream, nullptr);
  {
    ProgramStore store("KEY");
    const auto program = store.AddStream(stream, "<stdin>");
    ASSERT_TRUE(program);
    // The writer is still open: reading more than the first line, or waiting
    // to learn whether its CR is followed by LF, would wait for ever.
    const std::string_view first = "N10 G1\r";
    ASSERT_EQ(::write(ends[1], first.data(), first.size()), static_cast<ssize_t>(first.size()));
    Orv::String line;
    ASSERT_EQ(program->ReadLine(0, line), ProgramFile::Read::kLine);
    EXPECT_EQ(line, "N10 G1");
    const std::string_view rest = std::string_view(kText).substr(first.size());
    ASSERT_EQ(::write(ends[1], rest.data(), rest.size()), static_cast<ssize_t>(rest.size()));
    ::close(ends[1]);
    ExpectLines(*program);
  }
  std::fclose(stream);
}

TEST_F(HostProgramStore, ReadsAFileThatCannotSeekAsAStream) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  ASSERT_EQ(::write(ends[1], kText, sizeof kText - 1), static_cast<ssize_t>(sizeof kText - 1));
  ::close(ends[1]);
  ProgramStore store("KEY");
  const auto program = store.AddFile("/dev/fd/" + std::to_string(ends[0]));
  ::close(ends[0]);
  ASSERT_TRUE(program);
  ExpectLines(*program);
}

// LF, CR LF and a lone CR each end a line, wherever the buffer's edges fall.
TEST_F(HostProgramStore, EndsLinesAtLineFeedsCarriageReturnsAndBoth) {
  const std::vector<std::string> expected = {"a", "b", "c", "", "", "d e", "", "f"};
  for (const std::size_t bufferSize : {1, 2, 3, 5, 64 * 1024}) {
    ProgramStore store("KEY", {bufferSize, 64, 2});
    const auto program = store.AddFile(WriteFile("a\r\nb\rc\n\r\n\rd e\r\r\nf\r"));
    ASSERT_TRUE(program);
    EXPECT_EQ(LinesOf(*program), expected) << "buffer of " << bufferSize;
  }
  ProgramStore store("KEY");
  EXPECT_EQ(LinesOf(*store.AddFile(WriteFile(""))), std::vector<std::string>{});
  EXPECT_EQ(LinesOf(*store.AddFile(WriteFile("\n"))), std::vector<std::string>{""});
}

TEST_F(HostProgramStore, SkipsAByteOrderMarkAtTheStartOnly) {
  const std::string mark = "\xEF\xBB\xBF";
  ProgramStore store("KEY", {1, 64, 1024});
  EXPECT_EQ(LinesOf(*store.AddFile(WriteFile(mark + "G1\n" + mark + "G2"))),
            (std::vector<std::string>{"G1", mark + "G2"}));
  EXPECT_EQ(LinesOf(*store.AddFile(WriteFile(mark))), std::vector<std::string>{});
  EXPECT_EQ(LinesOf(*store.AddFile(WriteFile("\xEF\xBB\n"))), std::vector<std::string>{"\xEF\xBB"});
}

TEST_F(HostProgramStore, HandsOutEveryByteOfALineIncludingNul) {
  ProgramStore store("KEY");
  const std::string block("G1\0X10", 6);
  EXPECT_EQ(LinesOf(*store.AddFile(WriteFile(block + "\n"))), std::vector<std::string>{block});
}

// A line longer than the maximum is never handed out cut, and the lines
// after it are read as usual.
TEST_F(HostProgramStore, RefusesAnOverLongLineButCopiesItWhole) {
  ProgramStore store("KEY", {3, 8, 2});
  const auto program = store.AddFile(WriteFile("12345678\n123456789\r\nshort"));
  ASSERT_TRUE(program);
  Orv::String line = "stale";
  EXPECT_EQ(program->ReadLine(1, line), ProgramFile::Read::kTooLong);
  EXPECT_TRUE(line.empty());
  EXPECT_NE(program->GetLine(1, line), Orv::ORV_SUCCESS);
  ASSERT_EQ(program->ReadLine(2, line), ProgramFile::Read::kLine);
  EXPECT_EQ(line, "short");
  ASSERT_EQ(program->ReadLine(0, line), ProgramFile::Read::kLine);
  EXPECT_EQ(line, "12345678");
  EXPECT_EQ(program->GetLineCount(), 3);

  std::FILE* copy = std::tmpfile();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(program->WriteLine(1, copy), ProgramFile::Read::kLine);
  EXPECT_EQ(program->WriteLine(3, copy), ProgramFile::Read::kEnd);
  std::rewind(copy);
  char copied[16] = {};
  EXPECT_EQ(std::fread(copied, 1, sizeof copied, copy), 9u);
  EXPECT_STREQ(copied, "123456789");
  std::fclose(copy);
}

// Jumps in any direction land on the right line, from the line starts the
// store remembers, across CR LF pairs split by the buffer.
TEST_F(HostProgramStore, ServesAnyLineAfterAJump) {
  std::string text;
  std::vector<std::string> expected;
  for (int line = 0; line < 200; ++line) {
    expected.push_back("N" + std::to_string(line));
    text += expected.back() + (line % 3 == 0 ? "\r\n" : line % 3 == 1 ? "\r" : "\n");
  }
  ProgramStore store("KEY", {7, 64, 16});
  const auto program = store.AddFile(WriteFile(text));
  ASSERT_TRUE(program);
  std::vector<std::int32_t> order(expected.size());
  for (std::size_t index = 0; index < order.size(); ++index) order[index] = static_cast<std::int32_t>(index);
  std::shuffle(order.begin(), order.end(), std::mt19937(13));
  order.insert(order.begin(), {150, 3, 199, 0});
  Orv::String line;
  for (const std::int32_t index : order) {
    ASSERT_EQ(program->ReadLine(index, line), ProgramFile::Read::kLine) << index;
    EXPECT_EQ(std::string(line.data(), line.size()), expected[static_cast<std::size_t>(index)]);
  }
  EXPECT_EQ(program->GetLineCount(), 200);
  EXPECT_EQ(program->ReadLine(200, line), ProgramFile::Read::kEnd);
}

// A program given as a text reads as the same bytes in a file do, whether
// the text is shorter or longer than the buffer: line endings, the mark,
// NUL, an over-long line, jumps back.
TEST_F(HostProgramStore, ReadsAHeldTextAsTheSameBytesInAFile) {
  const std::string texts[] = {"",
                               "\n",
                               kText,
                               "a\r\nb\rc\n\r\n\rd e\r\r\nf\r",
                               "\xEF\xBB\xBFG1\n\xEF\xBB\xBFG2",
                               std::string("G1\0X10\n", 7),
                               "12345678\n123456789\r\nshort"};
  for (const std::size_t bufferSize : {1, 4, 64 * 1024}) {
    ProgramStore store("KEY", {bufferSize, 8, 2});
    for (const std::string& text : texts) {
      const auto inFile = store.AddFile(WriteFile(text));
      const auto held = store.AddText(text, "held");
      ASSERT_TRUE(inFile && held);
      Orv::String fromText;
      Orv::String fromFile;
      for (const std::int32_t index : {0, 1, 2, 3, 4, 2, 0, 1}) {
        EXPECT_EQ(held->ReadLine(index, fromText), inFile->ReadLine(index, fromFile)) << index;
        EXPECT_EQ(fromText, fromFile) << "line " << index << " of buffer " << bufferSize;
      }
      EXPECT_EQ(held->GetLineCount(), inFile->GetLineCount());
    }
    EXPECT_TRUE(store.HasProgramNamed("held"));
  }
  ProgramStore store("KEY");
  ExpectLines(*store.AddText(kText, "held"));
}

TEST_F(HostProgramStore, ReportsAProgramThatCannotBeRead) {
  ProgramStore store("KEY");
  const auto program = store.AddFile(std::filesystem::temp_directory_path().string());
  ASSERT_TRUE(program);
  Orv::String line;
  EXPECT_EQ(program->ReadLine(0, line), ProgramFile::Read::kError);
  EXPECT_EQ(program->GetLineCount(), -1);
  EXPECT_NE(program->GetLine(0, line), Orv::ORV_SUCCESS);
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
