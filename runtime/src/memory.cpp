// Object storage of the base runtime, with the allocation-failure test hook.
#include "mirel/memory.h"

#include <cstdlib>

#include "mirel/failure_hook.h"

namespace Velkor::Memory {
namespace {
// Calls left until the armed allocation fails; 0 when the hook is disarmed.
std::size_t allocationsUntilFailure = 0;
bool failureReached = false;
}  // namespace

void* CppMemory::allocate(std::size_t size) noexcept {
  if (allocationsUntilFailure != 0 && --allocationsUntilFailure == 0) {
    failureReached = true;
    return nullptr;
  }
  return std::malloc(size == 0 ? 1 : size);
}

void CppMemory::free(void* block) noexcept {
  std::free(block);
}

void CppMemory::FailAllocationAfter(std::size_t count) noexcept {
  allocationsUntilFailure = count;
  failureReached = false;
}

bool CppMemory::AllocationFailureReached() noexcept {
  return failureReached;
}

bool AllocationFailureArmed() noexcept {
  return allocationsUntilFailure != 0;
}

}  // namespace Velkor::Memory
