// Debug assertion reports of the base runtime: recorded for inspection, never fatal.
#include "mirel/assertion.h"

extern "C" {
int MACH__checking_level = 0;
}

namespace Velkor::Diagnostics {
namespace {
std::vector<AssertionReport>& Reports() {
  static std::vector<AssertionReport> reports;
  return reports;
}
}  // namespace

const std::vector<AssertionReport>& RecordedAssertions() {
  return Reports();
}
void ClearRecordedAssertions() {
  Reports().clear();
}

}  // namespace Velkor::Diagnostics

extern "C" void ERROR_assertion_failed(const char* sourceName, int line, const char* expression) {
  Velkor::Diagnostics::Reports().push_back({sourceName ? sourceName : "", line, expression ? expression : ""});
}
