#include "controller/report.h"

#include "plugin/messages.h"

namespace Velkor::OrvTessan {

bool Report::Fail(int number) {
  message_ = FormatMessage(number);
  return FailQuietly();
}

bool Report::Fail(int number, const Orv::String& argument) {
  message_ = FormatMessage(number, argument.c_str());
  return FailQuietly();
}

bool Report::FailQuietly() {
  status_ = 0;
  return false;
}

}  // namespace Velkor::OrvTessan
