#include "progress.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace Velkor::Tessan {

Progress::Progress(const std::string& path) : path_(path) {
  struct stat status {};
  if (path == "-" || ::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return;
  const auto size = static_cast<std::uint64_t>(status.st_size);
  if (size > kShownFrom && ::isatty(STDERR_FILENO) == 1) size_ = size;
}

Progress::~Progress() {
  if (size_ != 0) std::fputs("\033[K", stderr);
}

void Progress::Show() {
  // Line endings of two bytes make the count run short, never past 100.
  const std::uint64_t percent = std::min<std::uint64_t>(read_ * 100 / size_, 100);
  // The cursor goes back to the start of the line, so that a diagnostic,
  // always longer than this line, overwrites it.
  std::fprintf(stderr, "\033[Ktessan: %s: %3u%%\r", path_.c_str(), static_cast<unsigned>(percent));
  nextShown_ = (percent + 1) * size_ / 100;
}

}  // namespace Velkor::Tessan
