// Base runtime: debug assertion reports. A report is recorded, never fatal.
#pragma once

#include <string>
#include <vector>

#include "mirel/memory.h"

extern "C" {
// Non-zero asks the modules to check their internal assumptions.
MIREL_API extern int MACH__checking_level;

MIREL_API void ERROR_assertion_failed(const char* sourceName, int line, const char* expression);
}

namespace Velkor::Diagnostics {

struct AssertionReport {
  std::string sourceName;
  int line;
  std::string expression;
};

MIREL_API const std::vector<AssertionReport>& RecordedAssertions();
MIREL_API void ClearRecordedAssertions();

}  // namespace Velkor::Diagnostics
