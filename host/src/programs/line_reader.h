// Reference host: the lines of a program's bytes, read through one large
// buffer. LF, CR LF and a lone CR each end a line; a UTF-8 byte-order mark
// at the start of the program is no part of its first line. No more than
// the buffer and the longest line kept are ever held, whatever the length
// of a line.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

#include "orv/base.h"
#include "programs/program_bytes.h"

namespace Velkor::OrvReference {

// Where a line starts: its first byte, or the LF that belongs to the CR
// ending the line before.
struct LinePosition {
  std::uint64_t offset = 0;
  bool afterCr = false;
};

class LineReader {
 public:
  enum class Outcome { kLine, kTooLong, kEnd, kError };

  LineReader(ProgramBytes& bytes, std::size_t bufferSize, std::size_t maximumLength);

  // Where the first line starts.
  LinePosition FirstLine();
  // The next line read starts at `position`; inside the buffer nothing is
  // read again.
  void Seek(LinePosition position);
  LinePosition position() const { return {bufferOffset_ + begin_, afterCr_}; }

  // Reads the line at the position into `line` and moves past it. A line
  // longer than the maximum length is passed over: kTooLong, `line` empty.
  Outcome Next(Orv::String& line);
  // Moves past the line at the position.
  Outcome Skip();
  // Copies the line at the position to `out`, whatever its length, and
  // moves past it.
  Outcome Copy(std::FILE* out);

 private:
  // Hands the line at the position to `take` piece by piece.
  template <class Take>
  Outcome Read(Take take);
  // 1 when the buffer holds unread bytes, else 0 at the end, -1 on a failure.
  int Fill();

  ProgramBytes& bytes_;
  std::vector<char> buffer_;
  std::size_t maximumLength_;
  std::uint64_t bufferOffset_ = 0;  // where buffer_[0] is in the program
  std::size_t begin_ = 0;           // the next byte to read
  std::size_t end_ = 0;             // the end of the bytes read
  bool afterCr_ = false;
};

}  // namespace Velkor::OrvReference
