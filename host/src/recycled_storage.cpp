#include "recycled_storage.h"

namespace Velkor::OrvReference {

std::array<RecycledStorage::FreeBlock*, RecycledStorage::kSizeClasses> RecycledStorage::released_{};

void* RecycledStorage::FromHeap(std::size_t size) {
  const std::size_t rounded = ListFor(size) != nullptr ? (size + kGranule - 1) / kGranule * kGranule : size;
  if (void* block = Memory::CppMemory::allocate(rounded)) return block;
  throw std::bad_alloc();
}

}  // namespace Velkor::OrvReference
