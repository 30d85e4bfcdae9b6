// The status word and message through which a command or method tells the
// host why it failed.
#pragma once

#include "orv/base.h"

namespace Velkor::OrvTessan {

class Report {
 public:
  Report(std::uint32_t& status, Orv::String& message) : status_(status), message_(message) {}

  // Clears the status word and stores catalogue message `number`, formatted
  // with `argument` where the message has a %s. Returns false, so that a
  // failing operation can `return report.Fail(...)`.
  bool Fail(int number);
  bool Fail(int number, const Orv::String& argument);
  // Clears the status word and leaves the message alone; the mapper then
  // reports an internal error unless a message is already there.
  bool FailQuietly();

 private:
  std::uint32_t& status_;
  Orv::String& message_;
};

}  // namespace Velkor::OrvTessan
