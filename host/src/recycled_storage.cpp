#include "recycled_storage.h"

#include <array>
#include <new>

#include "mirel/failure_hook.h"
#include "mirel/memory.h"

namespace Velkor::OrvReference {
namespace {

// Under AddressSanitizer every block goes back to the heap, so that a use
// after release is still caught.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kRecycle = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kRecycle = false;
#else
constexpr bool kRecycle = true;
#endif
#else
constexpr bool kRecycle = true;
#endif

constexpr std::size_t kGranule = 16;
constexpr std::size_t kSizeClasses = 16;  // blocks of up to 256 bytes

struct FreeBlock {
  FreeBlock* next;
};

// The released blocks of each size class, most recent first.
std::array<FreeBlock*, kSizeClasses> released{};

// The list for blocks of `size`, or null when blocks that large are not kept.
FreeBlock** ListFor(std::size_t size) {
  const std::size_t index = (size + kGranule - 1) / kGranule - 1;
  return kRecycle && index < kSizeClasses ? &released[index] : nullptr;
}

}  // namespace

void* RecycledStorage::operator new(std::size_t size) {
  FreeBlock** list = ListFor(size);
  // While the runtime's failure hook is armed every allocation asks the
  // runtime, so that each one can be the allocation that fails.
  if (list != nullptr && *list != nullptr && !Memory::AllocationFailureArmed()) {
    FreeBlock* block = *list;
    *list = block->next;
    return block;
  }
  const std::size_t rounded = list != nullptr ? (size + kGranule - 1) / kGranule * kGranule : size;
  if (void* block = Memory::CppMemory::allocate(rounded)) return block;
  throw std::bad_alloc();
}

void RecycledStorage::operator delete(void* block, std::size_t size) noexcept {
  FreeBlock** list = ListFor(size);
  if (list == nullptr) {
    Memory::CppMemory::free(block);
    return;
  }
  *list = new (block) FreeBlock{*list};
}

bool RecycledStorage::KeepsReleasedBlocks() noexcept {
  return kRecycle;
}

}  // namespace Velkor::OrvReference
