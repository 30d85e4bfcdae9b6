// Reference host: the number of host objects alive, for leak checks in tests.
#pragma once

#include <cstdint>

namespace Velkor::OrvReference {

// Every RefObject created and not yet destroyed.
std::int64_t LiveObjectCount();

}  // namespace Velkor::OrvReference
