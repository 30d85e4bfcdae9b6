// Base runtime: the shared heap of the host and its plug-ins, and the byte
// string in which every text crosses the host boundary.
#pragma once

#include <cstddef>
#include <new>
#include <string>

#define MIREL_API __attribute__((visibility("default")))

namespace Velkor::Memory {

// Object storage shared by the host and its plug-ins. allocate returns null
// when no storage is available; it never throws.
class MIREL_API CppMemory {
 public:
  static void* allocate(std::size_t size) noexcept;
  static void free(void* block) noexcept;

  // Test hook: the allocation `count` calls from now (1 = the next one)
  // returns null; 0 disarms the hook.
  static void FailAllocationAfter(std::size_t count) noexcept;
  // True when the allocation the hook was last armed for has failed.
  static bool AllocationFailureReached() noexcept;
};

// Allocator of the byte string: buffers come from the runtime's heap so that
// a string built on one side of the boundary can be freed on the other.
template <class T>
struct Allocator {
  using value_type = T;

  Allocator() noexcept = default;
  template <class U>
  Allocator(const Allocator<U>&) noexcept {}  // NOLINT: allocator rebinding

  T* allocate(std::size_t count) { return static_cast<T*>(::operator new(count * sizeof(T))); }
  void deallocate(T* block, std::size_t) noexcept { ::operator delete(block); }

  template <class U>
  bool operator==(const Allocator<U>&) const noexcept {
    return true;
  }
};

using ByteString = std::basic_string<char, std::char_traits<char>, Allocator<char>>;

}  // namespace Velkor::Memory
