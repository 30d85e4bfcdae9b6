#include "programs/line_reader.h"

#include <algorithm>
#include <cstring>

namespace Velkor::OrvReference {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

LineReader::LineReader(ProgramBytes& bytes, std::size_t bufferSize, std::size_t maximumLength)
    : bytes_(bytes), buffer_(std::max<std::size_t>(bufferSize, 1)), maximumLength_(maximumLength) {}

// Reads no further than the first byte that differs from the mark, so that a
// stream typed line by line is not waited for.
LinePosition LineReader::FirstLine() {
  char head[kByteOrderMark.size()];
  std::size_t read = 0;
  while (read < sizeof head) {
    const std::int64_t count = bytes_.ReadAt(read, head + read, sizeof head - read);
    if (count <= 0) return {};
    read += static_cast<std::size_t>(count);
    if (kByteOrderMark.substr(0, read) != std::string_view(head, read)) return {};
  }
  return {kByteOrderMark.size(), false};
}

void LineReader::Seek(LinePosition position) {
  afterCr_ = position.afterCr;
  if (position.offset >= bufferOffset_ && position.offset <= bufferOffset_ + end_) {
    begin_ = static_cast<std::size_t>(position.offset - bufferOffset_);
    return;
  }
  bufferOffset_ = position.offset;
  begin_ = end_ = 0;
}

int LineReader::Fill() {
  if (begin_ < end_) return 1;
  bufferOffset_ += end_;
  begin_ = end_ = 0;
  const std::int64_t count = bytes_.ReadAt(bufferOffset_, buffer_.data(), buffer_.size());
  if (count <= 0) return static_cast<int>(count);
  end_ = static_cast<std::size_t>(count);
  return 1;
}

template <class Take>
LineReader::Outcome LineReader::Read(Take take) {
  int filled = Fill();
  if (afterCr_ && filled > 0) {
    afterCr_ = false;
    if (buffer_[begin_] == '\n') ++begin_;
    filled = Fill();
  }
  if (filled <= 0) return filled == 0 ? Outcome::kEnd : Outcome::kError;
  for (;;) {
    const char* start = buffer_.data() + begin_;
    const std::size_t available = end_ - begin_;
    const char* lineFeed = static_cast<const char*>(std::memchr(start, '\n', available));
    const std::size_t beforeLineFeed = lineFeed ? static_cast<std::size_t>(lineFeed - start) : available;
    const char* carriageReturn = static_cast<const char*>(std::memchr(start, '\r', beforeLineFeed));
    const char* ending = carriageReturn ? carriageReturn : lineFeed;
    const std::size_t length = ending ? static_cast<std::size_t>(ending - start) : available;
    take(std::string_view(start, length));
    begin_ += length;
    if (ending) {
      afterCr_ = *ending == '\r';
      ++begin_;
      return Outcome::kLine;
    }
    filled = Fill();
    if (filled < 0) return Outcome::kError;
    if (filled == 0) return Outcome::kLine;  // the last line has no line ending
  }
}

LineReader::Outcome LineReader::Next(Orv::String& line) {
  line.clear();
  bool tooLong = false;
  const Outcome outcome = Read([&](std::string_view piece) {
    if (tooLong) return;
    if (line.size() + piece.size() > maximumLength_) {
      tooLong = true;
      line.clear();
      return;
    }
    line.append(piece.data(), piece.size());
  });
  return outcome == Outcome::kLine && tooLong ? Outcome::kTooLong : outcome;
}

LineReader::Outcome LineReader::Skip() {
  return Read([](std::string_view) {});
}

LineReader::Outcome LineReader::Copy(std::FILE* out) {
  return Read([out](std::string_view piece) { std::fwrite(piece.data(), 1, piece.size(), out); });
}

}  // namespace Velkor::OrvReference
