#include "programs/program_bytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace Velkor::OrvReference {
namespace {

constexpr int kNoStream = -1;
constexpr int kNoFile = -1;

// read and pread, tried again when a signal interrupts them.
template <class Call>
std::int64_t Retried(Call call) {
  for (;;) {
    const ssize_t count = call();
    if (count >= 0 || errno != EINTR) return count;
  }
}

}  // namespace

std::unique_ptr<ProgramBytes> ProgramBytes::OpenFile(const std::string& path) {
  const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return nullptr;
  if (::lseek(file, 0, SEEK_CUR) >= 0) {
    return std::unique_ptr<ProgramBytes>(new ProgramBytes(file, nullptr, kNoStream, false));
  }
  std::FILE* spool = std::tmpfile();
  if (spool == nullptr) {
    const int error = errno;
    ::close(file);
    errno = error;
    return nullptr;
  }
  return std::unique_ptr<ProgramBytes>(new ProgramBytes(::fileno(spool), spool, file, true));
}

std::unique_ptr<ProgramBytes> ProgramBytes::SpoolStream(int stream) {
  std::FILE* spool = std::tmpfile();
  if (spool == nullptr) return nullptr;
  return std::unique_ptr<ProgramBytes>(new ProgramBytes(::fileno(spool), spool, stream, false));
}

std::unique_ptr<ProgramBytes> ProgramBytes::HoldText(std::string text) {
  std::unique_ptr<ProgramBytes> bytes(new ProgramBytes(kNoFile, nullptr, kNoStream, false));
  bytes->text_ = std::move(text);
  return bytes;
}

ProgramBytes::ProgramBytes(int file, std::FILE* spool, int stream, bool ownsStream)
    : file_(file), spool_(spool), stream_(stream), ownsStream_(ownsStream) {}

ProgramBytes::~ProgramBytes() {
  if (spool_ != nullptr) {
    std::fclose(spool_);
  } else if (file_ != kNoFile) {
    ::close(file_);
  }
  if (ownsStream_) ::close(stream_);
}

std::int64_t ProgramBytes::SpoolNext(char* buffer, std::size_t size) {
  if (streamEnd_ <= 0) return streamEnd_;
  const std::int64_t count = Retried([&] { return ::read(stream_, buffer, size); });
  if (count <= 0) return streamEnd_ = count;
  for (std::int64_t written = 0; written < count;) {
    const std::int64_t wrote = Retried([&] {
      return ::pwrite(file_, buffer + written, static_cast<std::size_t>(count - written),
                      static_cast<off_t>(spooled_ + static_cast<std::uint64_t>(written)));
    });
    if (wrote <= 0) return streamEnd_ = -1;
    written += wrote;
  }
  spooled_ += static_cast<std::uint64_t>(count);
  return count;
}

// Reading a stream in order reads each piece once, straight into `buffer`.
std::int64_t ProgramBytes::ReadAt(std::uint64_t offset, char* buffer, std::size_t size) {
  if (file_ == kNoFile) {
    if (offset >= text_.size()) return 0;
    return static_cast<std::int64_t>(text_.copy(buffer, size, static_cast<std::size_t>(offset)));
  }
  while (stream_ != kNoStream && offset >= spooled_) {
    const std::int64_t count = SpoolNext(buffer, size);
    if (count <= 0) return count;
    if (offset < spooled_) {
      const std::size_t skipped = static_cast<std::size_t>(offset - (spooled_ - static_cast<std::uint64_t>(count)));
      std::memmove(buffer, buffer + skipped, static_cast<std::size_t>(count) - skipped);
      return count - static_cast<std::int64_t>(skipped);
    }
  }
  return Retried([&] { return ::pread(file_, buffer, size, static_cast<off_t>(offset)); });
}

}  // namespace Velkor::OrvReference
