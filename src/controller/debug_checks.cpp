#include "controller/debug_checks.h"

#include "mirel/assertion.h"

namespace Velkor::OrvTessan {
namespace {

constexpr const char* kSourceName = "OrvTessan_CtrlMethods";

void Check(bool holds, int line, const char* expression) {
  if (MACH__checking_level != 0 && !holds) ERROR_assertion_failed(kSourceName, line, expression);
}

}  // namespace

void CheckCreated(bool created, int line) {
  Check(created, line, "bResult");
}

void CheckSucceeded(Orv::TResult result, int line) {
  Check(result == Orv::ORV_SUCCESS, line, "Velkor::Orv::ORV_SUCCESS == nResult");
}

}  // namespace Velkor::OrvTessan
