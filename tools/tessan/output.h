// tessan's standard output. A write that fails (a full disk, a closed
// stream) is noticed where it happens: lost output never ends in success.
#pragma once

#include <string_view>

namespace Velkor::Tessan {

// False once standard output has failed; the command then stops.
bool WriteOutput(std::string_view text);

// Flushes standard output. When it has failed, reports that on standard
// error and gives the exit status of an output error instead of `status`.
int FinishOutput(int status);

}  // namespace Velkor::Tessan
