// The allocation-failure test hook of the base runtime, for storage that
// serves some allocations itself and must still let the hook reach each one.
#pragma once

#include <cstddef>

#include "mirel/memory.h"

namespace Velkor::Memory {

// The hook's countdown. It is read inline: recycling storage asks whether the
// hook is armed on every allocation it serves, and a call into the runtime
// for that would cost more than serving the block.
class MIREL_API FailureHook {
 public:
  static bool Armed() noexcept { return allocationsUntilFailure_ != 0; }

 private:
  friend class CppMemory;
  // Calls of CppMemory::allocate left until the armed one fails; 0 when the
  // hook is disarmed.
  static std::size_t allocationsUntilFailure_;
};

// True while the hook is armed: an allocation of CppMemory is still to fail.
inline bool AllocationFailureArmed() noexcept {
  return FailureHook::Armed();
}

}  // namespace Velkor::Memory
