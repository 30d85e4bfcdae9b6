// Storage of the host objects a parse makes and drops by the dozen with every
// block: expression nodes, values, argument lists. A released block is kept on a
// list for its size class and handed out again to the next object of that
// class, so that a block's nodes reuse the last block's storage instead of
// going through the shared heap one at a time.
#pragma once

#include <cstddef>

namespace Velkor::OrvReference {

// Every counted host object is allocated here (the counted base's operator
// new and delete call these). Deleting through a virtual destructor passes
// the size of the object's own class.
struct RecycledStorage {
  // Throws std::bad_alloc when the runtime's heap has no storage left.
  static void* operator new(std::size_t size);
  static void operator delete(void* block, std::size_t size) noexcept;
  // False in sanitizer builds, where every block goes back to the heap.
  static bool KeepsReleasedBlocks() noexcept;
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
