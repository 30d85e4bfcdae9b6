#include "output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "commands.h"

namespace Velkor::Tessan {

bool WriteOutput(std::string_view text) {
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
}

int FinishOutput(int status) {
  errno = 0;
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
  const int reason = errno;
  std::fprintf(stderr, "tessan: cannot write the output: %s\n", reason != 0 ? std::strerror(reason) : "write error");
  return kExitError;
}

}  // namespace Velkor::Tessan
