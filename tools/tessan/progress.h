// Progress through a large input file, shown on standard error when that is
// a terminal: "tessan: FILE: NN%" on one line, rewritten as it grows, written
// over by diagnostics and cleared at the end.
#pragma once

#include <cstdint>
#include <string>

namespace Velkor::Tessan {

class Progress {
 public:
  // Shows nothing unless `path` is a regular file larger than
  // `kShownFrom` bytes and standard error is a terminal.
  explicit Progress(const std::string& path);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  static constexpr std::uint64_t kShownFrom = 10u * 1024 * 1024;

  // A line of `length` bytes and its line ending has been read.
  void LineRead(std::size_t length) {
    if (size_ == 0) return;
    read_ += length + 1;
    if (read_ >= nextShown_) Show();
  }

 private:
  void Show();

  std::string path_;
  // 0 when no progress is shown.
  std::uint64_t size_ = 0;
  std::uint64_t read_ = 0;
  // Where the next whole per cent begins.
  std::uint64_t nextShown_ = 0;
};

}  // namespace Velkor::Tessan
