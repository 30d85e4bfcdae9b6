#include "output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "commands.h"

namespace Velkor::Tessan {
namespace {

// Why the first write to standard output failed; a later flush of the
// stream no longer tells.
int firstWriteError = 0;

}  // namespace

bool WriteOutput(std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size()) return true;
  if (firstWriteError == 0) firstWriteError = errno;
  return false;
}

int FinishOutput(int status) {
  errno = 0;
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
  const int reason = firstWriteError != 0 ? firstWriteError : errno;
  std::fprintf(stderr, "tessan: cannot write the output: %s\n", reason != 0 ? std::strerror(reason) : "write error");
  return kExitError;
}

}  // namespace Velkor::Tessan
