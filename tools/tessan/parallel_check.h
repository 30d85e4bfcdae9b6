// tessan check -j: every file checked as its own program in a child process
// of its own, a few at a time.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "check_counts.h"

namespace Velkor::Tessan {

// Checks one file, writing what it reports to standard output and error;
// returns the exit status.
using FileCheck = std::function<int(const std::string& file, CheckCounts& counts)>;

// Runs `check` for every file in a child process, at most `jobs` at a time.
// What each child writes is held back and copied out in the order of the
// files; the counts are added into `total`. Returns the highest exit status
// of the children.
int CheckInProcesses(const std::vector<std::string>& files, int jobs, const FileCheck& check, CheckCounts& total);

}  // namespace Velkor::Tessan
