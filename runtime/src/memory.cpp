// Object storage of the base runtime, with the allocation-failure test hook.
#include "mirel/memory.h"

#include <cstdlib>

#include "mirel/failure_hook.h"

namespace Velkor::Memory {
namespace {
bool failureReached = false;
}  // namespace

std::size_t FailureHook::allocationsUntilFailure_ = 0;

void* CppMemory::allocate(std::size_t size) noexcept {
  std::size_t& countdown = FailureHook::allocationsUntilFailure_;
  if (countdown != 0 && --countdown == 0) {
    failureReached = true;
    return nullptr;
  }
  return std::malloc(size == 0 ? 1 : size);
}

void CppMemory::free(void* block) noexcept {
  std::free(block);
}

void CppMemory::FailAllocationAfter(std::size_t count) noexcept {
  FailureHook::allocationsUntilFailure_ = count;
  failureReached = false;
}

bool CppMemory::AllocationFailureReached() noexcept {
  return failureReached;
}

}  // namespace Velkor::Memory
