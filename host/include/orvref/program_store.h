// Reference host: the program store of a channel. Programs are files read on
// demand; no program's text is kept in memory, unless it was given as a text.
// A program read from a stream (standard input, a pipe) is copied, as it is
// read, into an anonymous temporary file from which it is served again.
//
// How to read a program:
// - Lines end at LF, CR LF or a lone CR; a UTF-8 byte-order mark at the start
//   of the file is no part of line 0.
// - Reading lines in order (ReadLine(0), ReadLine(1), ...) reads the file
//   once, through one large buffer. A stream is read no further than the
//   line asked for, so a program typed line by line is served as it comes.
// - Any line can be asked for again: the store remembers where every 1024th
//   line starts, so a jump back rereads at most that many lines, and the
//   memory kept stays small for a straight program of millions of lines.
// - Memory stays bounded whatever the length of a line: a line longer than
//   kMaximumLineLength is never handed out cut. ReadLine answers kTooLong
//   for it (and GetLine a failure); WriteLine copies its text, any length.
//   The plug-in refuses every block of 512 characters or more (message 14,
//   "line too long"), so a host refuses an over-long line with that message
//   without parsing it. The maximum is far above 512 so that macros cannot
//   shrink an over-long line to an acceptable block: a macro name of a
//   defining block is shorter than 512 characters, so only a line of macros
//   that expand to nothing could, and no program is written so.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "orv/base.h"
#include "orv/channel.h"

namespace Velkor::OrvReference {

class ProgramBytes;
class LineReader;
struct LinePosition;

// How a program is read; tests make these small.
struct ReadLimits {
  std::size_t bufferSize = 64 * 1024;
  std::size_t maximumLineLength = 1024 * 1024;
  std::int32_t linesPerCheckpoint = 1024;
};

// The host's own copy of the plug-in's message for a block too long to
// parse: a line longer than the program store hands out is refused with it,
// message kind 0, without being parsed.
inline constexpr const char* kLineTooLongMessage =
    "The current line exceeds the maximum length permitted by the controller.";

class ProgramFile final : public Orv::IProgramText {
 public:
  static constexpr std::size_t kMaximumLineLength = ReadLimits{}.maximumLineLength;

  enum class Read { kLine, kTooLong, kEnd, kError };

  ProgramFile(std::string name, std::unique_ptr<ProgramBytes> bytes, const ReadLimits& limits);
  ~ProgramFile() override;

  // The number of lines, all read once to count them; -1 when the program
  // cannot be read.
  std::int32_t GetLineCount() const override;
  // The line without its line ending; a failure past the end, for a line
  // that cannot be read and for an over-long line.
  Orv::TResult GetLine(std::int32_t index, Orv::String& line) const override;

  // As GetLine, telling the end of the program, an over-long line (`line`
  // left empty) and a failure to read apart.
  Read ReadLine(std::int32_t index, Orv::String& line) const;
  // Copies the text of the line to `out`, whatever its length (a failure to
  // write shows in ferror(out)).
  Read WriteLine(std::int32_t index, std::FILE* out) const;
  const std::string& name() const { return name_; }

 private:
  // Places the reader at the start of line `index`: kLine, or kEnd when the
  // program has fewer lines, or kError.
  Read MoveTo(std::int32_t index) const;
  // Keeps what reading line `index` told: the cursor moves past a line read,
  // the end is the line count, a failure leaves the cursor nowhere.
  Read Finish(std::int32_t index, Read read) const;

  std::string name_;
  std::unique_ptr<ProgramBytes> bytes_;
  std::unique_ptr<LineReader> reader_;
  std::int32_t linesPerCheckpoint_;
  static constexpr std::int32_t kNowhere = -1;
  // The line that starts at the reader's position, if known.
  mutable std::int32_t cursorLine_ = kNowhere;
  // checkpoints_[k]: where the line k * linesPerCheckpoint_ starts.
  mutable std::vector<LinePosition> checkpoints_;
  mutable std::int32_t lineCount_ = -1;  // once the end has been read
};

class ProgramStore final : public Orv::IProgramStore {
 public:
  explicit ProgramStore(Orv::String key, const ReadLimits& limits = {});
  ~ProgramStore() override;

  // The programs in the order they were added, under the store's key only.
  std::int32_t GetProgramCount(const Orv::String& key) const override;
  Orv::TResult GetProgram(const Orv::String& key, std::int32_t index,
                          Orv::SmartPointer<Orv::IProgramText>& program) const override;

  // The program in the file at `path`; null when the file cannot be opened
  // (errno says why).
  Orv::SmartPointer<ProgramFile> AddFile(const std::string& path);
  // The program read from `stream`, named `name`, through its descriptor
  // (nothing may have been read from it through stdio); null when no
  // temporary file can be made.
  Orv::SmartPointer<ProgramFile> AddStream(std::FILE* stream, const std::string& name);
  // The program `text`, named `name`, held in memory and read as a file is,
  // through a buffer no larger than the text: for a host that makes many
  // short programs, with no file of its own.
  Orv::SmartPointer<ProgramFile> AddText(std::string text, const std::string& name);
  bool HasProgramNamed(const std::string& name) const;
  // Keeps the first `count` programs only.
  void KeepFirst(std::size_t count);
  std::size_t size() const { return programs_.size(); }

 private:
  Orv::String key_;
  ReadLimits limits_;
  std::vector<Orv::SmartPointer<ProgramFile>> programs_;
};

}  // namespace Velkor::OrvReference
