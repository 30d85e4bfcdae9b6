// The allocation-failure test hook of the base runtime, for storage that
// serves some allocations itself and must still let the hook reach each one.
#pragma once

#include "mirel/memory.h"

namespace Velkor::Memory {

// True while the hook is armed: an allocation of CppMemory is still to fail.
MIREL_API bool AllocationFailureArmed() noexcept;

}  // namespace Velkor::Memory
