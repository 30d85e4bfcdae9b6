// Reference host: the bytes of one program. A file is read where it is asked;
// a stream (standard input, a pipe) is copied into an anonymous temporary
// file as it is read, so that what was read can be read again; a text given
// whole is held in memory.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace Velkor::OrvReference {

class ProgramBytes {
 public:
  // The program in the file at `path`; a file that cannot seek (a pipe) is
  // read as a stream. Null when it cannot be opened (errno says why).
  static std::unique_ptr<ProgramBytes> OpenFile(const std::string& path);
  // The program read from the descriptor `stream`, which stays the caller's;
  // null when no temporary file can be made.
  static std::unique_ptr<ProgramBytes> SpoolStream(int stream);
  // The program `text`, held.
  static std::unique_ptr<ProgramBytes> HoldText(std::string text);

  ~ProgramBytes();
  ProgramBytes(const ProgramBytes&) = delete;
  ProgramBytes& operator=(const ProgramBytes&) = delete;

  // Reads at most `size` bytes from `offset` into `buffer`: at least one
  // while there are bytes at `offset` (a stream is waited for no longer
  // than one read of it), 0 at the end of the program, -1 on a failure.
  std::int64_t ReadAt(std::uint64_t offset, char* buffer, std::size_t size);

 private:
  ProgramBytes(int file, std::FILE* spool, int stream, bool ownsStream);
  // Reads the next piece of the stream into `buffer` and appends it to the
  // spool: its size, 0 at the end of the stream, -1 on a failure (both are
  // kept for later calls).
  std::int64_t SpoolNext(char* buffer, std::size_t size);

  int file_;          // none while the text is held
  std::FILE* spool_;  // owns `file_` when spooling
  int stream_;
  bool ownsStream_;
  std::uint64_t spooled_ = 0;
  std::int64_t streamEnd_ = 1;  // 0 or -1 once the stream has ended
  std::string text_;
};

}  // namespace Velkor::OrvReference
