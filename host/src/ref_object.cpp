// The counted object base of the host, with the live-object count.
#include "orv/base.h"
#include "orvref/live_objects.h"

namespace Velkor::Orv {
namespace {
std::int64_t liveObjects = 0;
}  // namespace

RefObject::RefObject() noexcept {
  ++liveObjects;
}
RefObject::RefObject(const RefObject&) noexcept {
  ++liveObjects;
}
RefObject& RefObject::operator=(const RefObject&) noexcept {
  return *this;
}
RefObject::~RefObject() {
  --liveObjects;
}

void* RefObject::operator new(std::size_t size) {
  if (void* block = Memory::CppMemory::allocate(size)) return block;
  throw std::bad_alloc();
}

void RefObject::operator delete(void* block) noexcept {
  Memory::CppMemory::free(block);
}

}  // namespace Velkor::Orv

namespace Velkor::OrvReference {

std::int64_t LiveObjectCount() {
  return Orv::liveObjects;
}

}  // namespace Velkor::OrvReference
