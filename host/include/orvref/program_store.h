// Reference host: the program store of a channel. Programs are files read on
// demand, a line at a time; no program's text is kept in memory. A program
// read from a stream (standard input) is copied line by line, as it is read,
// into an anonymous temporary file from which it is served again.
#pragma once

#include <orv/channel.h>

#include <cstdio>
#include <string>
#include <vector>

namespace Velkor::OrvReference {

class ProgramFile final : public Orv::IProgramText {
 public:
  enum class Read { kLine, kEnd, kError };

  // Takes over `file`; `stream`, when given, is read into `file` as lines are
  // asked for, and stays the caller's.
  ProgramFile(std::string name, std::FILE* file, std::FILE* stream);
  ~ProgramFile() override;

  // Reads the whole program to count its lines; -1 when it cannot be read.
  std::int32_t GetLineCount() const override;
  // The line without its line ending (\n or \r\n).
  Orv::TResult GetLine(std::int32_t index, Orv::String& line) const override;

  // As GetLine, telling the end of the program from a failure to read it.
  Read ReadLine(std::int32_t index, Orv::String& line) const;
  const std::string& name() const { return name_; }

 private:
  Read ReadFromFile(std::int32_t index, Orv::String& line) const;
  // Reads the next line of the stream and appends it to the file.
  Read SpoolNext(Orv::String& line) const;

  std::string name_;
  std::FILE* file_;
  std::FILE* stream_;
  // Where the line `cursorLine_` starts in the file, so that reading the
  // lines in order reads the file once.
  mutable std::int32_t cursorLine_ = 0;
  mutable long cursorOffset_ = 0;
  mutable std::int32_t spooledLines_ = 0;
  mutable bool streamEnded_ = false;
  // The file position is at its end after a write; a read moves it.
  mutable bool atEnd_ = true;
};

class ProgramStore final : public Orv::IProgramStore {
 public:
  explicit ProgramStore(Orv::String key);
  ~ProgramStore() override;

  // The programs in the order they were added, under the store's key only.
  std::int32_t GetProgramCount(const Orv::String& key) const override;
  Orv::TResult GetProgram(const Orv::String& key, std::int32_t index,
                          Orv::SmartPointer<Orv::IProgramText>& program) const override;

  // The program in the file at `path`; null when the file cannot be opened.
  Orv::SmartPointer<ProgramFile> AddFile(const std::string& path);
  // The program read from `stream`, named `name`; null when no temporary
  // file can be made.
  Orv::SmartPointer<ProgramFile> AddStream(std::FILE* stream, const std::string& name);
  bool HasProgramNamed(const std::string& name) const;

 private:
  Orv::String key_;
  std::vector<Orv::SmartPointer<ProgramFile>> programs_;
};

}  // namespace Velkor::OrvReference
