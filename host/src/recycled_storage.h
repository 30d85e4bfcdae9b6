// Storage of the host objects a parse makes and drops by the dozen with every
// block: expression nodes, values, argument lists. A released block is kept on a
// list for its size class and handed out again to the next object of that
// class, so that a block's nodes reuse the last block's storage instead of
// going through the shared heap one at a time.
#pragma once

#include <array>
#include <cstddef>
#include <new>

#include "mirel/failure_hook.h"
#include "mirel/memory.h"

namespace Velkor::OrvReference {

// Every counted host object is allocated here (the counted base's operator
// new and delete call these). Deleting through a virtual destructor passes
// the size of the object's own class. Handing out and taking back a kept
// block are inline: every node and value of a parse does both.
struct RecycledStorage {
  // Throws std::bad_alloc when the runtime's heap has no storage left.
  static void* operator new(std::size_t size) {
    FreeBlock** list = ListFor(size);
    // While the runtime's failure hook is armed every allocation asks the
    // runtime, so that each one can be the allocation that fails.
    if (list != nullptr && *list != nullptr && !Memory::AllocationFailureArmed()) {
      FreeBlock* block = *list;
      *list = block->next;
      return block;
    }
    return FromHeap(size);
  }

  static void operator delete(void* block, std::size_t size) noexcept {
    FreeBlock** list = ListFor(size);
    if (list == nullptr) {
      Memory::CppMemory::free(block);
      return;
    }
    *list = new (block) FreeBlock{*list};
  }

  // False in sanitizer builds, where every block goes back to the heap.
  static bool KeepsReleasedBlocks() noexcept { return kRecycle; }

 private:
  struct FreeBlock {
    FreeBlock* next;
  };

  // Under AddressSanitizer every block goes back to the heap, so that a use
  // after release is still caught.
#if defined(__SANITIZE_ADDRESS__)
  static constexpr bool kRecycle = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  static constexpr bool kRecycle = false;
#else
  static constexpr bool kRecycle = true;
#endif
#else
  static constexpr bool kRecycle = true;
#endif

  static constexpr std::size_t kGranule = 16;
  static constexpr std::size_t kSizeClasses = 16;  // blocks of up to 256 bytes

  // The list for blocks of `size`, or null when blocks that large are not kept.
  static FreeBlock** ListFor(std::size_t size) noexcept {
    const std::size_t index = (size + kGranule - 1) / kGranule - 1;
    return kRecycle && index < kSizeClasses ? &released_[index] : nullptr;
  }

  // A new block from the runtime's heap, of the whole size class.
  static void* FromHeap(std::size_t size);

  // The released blocks of each size class, most recent first.
  static std::array<FreeBlock*, kSizeClasses> released_;
};

// Recycled storage for the containers such objects hold: the operand lists
// of nodes.
template <class T>
struct RecycledAllocator {
  using value_type = T;

  RecycledAllocator() noexcept = default;
  template <class U>
  RecycledAllocator(const RecycledAllocator<U>&) noexcept {}  // NOLINT: allocator rebinding

  T* allocate(std::size_t count) { return static_cast<T*>(RecycledStorage::operator new(count * sizeof(T))); }
  void deallocate(T* block, std::size_t count) noexcept { RecycledStorage::operator delete(block, count * sizeof(T)); }

  template <class U>
  bool operator==(const RecycledAllocator<U>&) const noexcept {
    return true;
  }
};

}  // namespace Velkor::OrvReference
