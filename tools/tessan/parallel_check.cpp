#include "parallel_check.h"

#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>

#include "commands.h"
#include "output.h"

namespace Velkor::Tessan {
namespace {

// The counts of every file, in memory the children write and the parent
// reads once they have ended.
class SharedCounts {
 public:
  explicit SharedCounts(std::size_t count) : size_(std::max<std::size_t>(count, 1) * sizeof(CheckCounts)) {
    void* memory = ::mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) return;
    counts_ = static_cast<CheckCounts*>(memory);
    std::uninitialized_value_construct_n(counts_, count);
  }
  ~SharedCounts() {
    if (counts_ != nullptr) ::munmap(counts_, size_);
  }
  SharedCounts(const SharedCounts&) = delete;
  SharedCounts& operator=(const SharedCounts&) = delete;

  bool valid() const { return counts_ != nullptr; }
  CheckCounts& operator[](std::size_t index) { return counts_[index]; }

 private:
  std::size_t size_;
  CheckCounts* counts_ = nullptr;
};

// One file's child process and the files that hold what it writes.
struct Job {
  pid_t process = 0;
  std::FILE* output = nullptr;
  std::FILE* errors = nullptr;
  bool ended = false;
  int status = kExitSuccess;
};

bool Start(Job& job, const std::string& file, const FileCheck& check, CheckCounts& counts) {
  job.output = std::tmpfile();
  job.errors = std::tmpfile();
  if (job.output == nullptr || job.errors == nullptr) return false;
  std::fflush(stdout);
  std::fflush(stderr);
  job.process = ::fork();
  if (job.process < 0) return false;
  if (job.process == 0) {
    ::dup2(::fileno(job.output), STDOUT_FILENO);
    ::dup2(::fileno(job.errors), STDERR_FILENO);
    const int status = FinishOutput(check(file, counts));
    std::fflush(stderr);
    ::_exit(status);
  }
  return true;
}

int ExitStatus(int waitStatus, const std::string& file) {
  if (WIFEXITED(waitStatus)) return WEXITSTATUS(waitStatus);
  std::fprintf(stderr, "tessan: checking %s ended by signal %d\n", file.c_str(), WTERMSIG(waitStatus));
  return kExitError;
}

// Copies what the job held back and closes its files; false when standard
// output failed.
bool CopyOut(Job& job) {
  bool written = true;
  char buffer[1 << 16];
  for (std::FILE* file : {job.output, job.errors}) {
    std::rewind(file);
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
      if (file == job.output) {
        written = WriteOutput(std::string_view(buffer, read)) && written;
      } else {
        std::fwrite(buffer, 1, read, stderr);
      }
    }
    std::fclose(file);
  }
  return written;
}

}  // namespace

int CheckInProcesses(const std::vector<std::string>& files, int jobs, const FileCheck& check, CheckCounts& total) {
  SharedCounts counts(files.size());
  if (!counts.valid()) {
    std::perror("tessan: cannot share the counts with the child processes");
    return kExitError;
  }
  std::vector<Job> started(files.size());
  std::size_t nextToStart = 0, nextToCopy = 0;
  int running = 0, worst = kExitSuccess;
  while (nextToCopy < files.size()) {
    for (; running < jobs && nextToStart < files.size(); ++nextToStart, ++running) {
      if (!Start(started[nextToStart], files[nextToStart], check, counts[nextToStart])) {
        std::perror("tessan: cannot start a child process");
        return kExitError;
      }
    }
    int waitStatus = 0;
    const pid_t ended = ::wait(&waitStatus);
    if (ended < 0 && errno != EINTR) {
      std::perror("tessan: cannot wait for the child processes");
      return kExitError;
    }
    const auto job = std::find_if(started.begin(), started.end(), [ended](const Job& j) { return j.process == ended; });
    if (job == started.end()) continue;
    --running;
    job->ended = true;
    job->status = ExitStatus(waitStatus, files[static_cast<std::size_t>(job - started.begin())]);
    for (; nextToCopy < files.size() && started[nextToCopy].ended; ++nextToCopy) {
      if (!CopyOut(started[nextToCopy])) return kExitError;
      total += counts[nextToCopy];
      worst = std::max(worst, started[nextToCopy].status);
    }
  }
  return worst;
}

}  // namespace Velkor::Tessan
