// The counted object base of the host, with the live-object count.
#include "orv/base.h"
#include "orvref/live_objects.h"
#include "recycled_storage.h"

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

// Every host object lives in recycled storage: argument lists, types and
// the rest are made and dropped with every block like nodes and values.
void* RefObject::operator new(std::size_t size) {
  return OrvReference::RecycledStorage::operator new(size);
}

void RefObject::operator delete(void* block, std::size_t size) noexcept {
  OrvReference::RecycledStorage::operator delete(block, size);
}

}  // namespace Velkor::Orv

namespace Velkor::OrvReference {

std::int64_t LiveObjectCount() {
  return Orv::liveObjects;
}

}  // namespace Velkor::OrvReference
