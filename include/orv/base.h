// Host engine: result codes, the intrusively counted object base and the
// counted pointer through which every host object is held.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>

#include "mirel/memory.h"

#define ORV_API __attribute__((visibility("default")))

namespace Velkor::Orv {

using TResult = std::int32_t;
inline constexpr TResult ORV_SUCCESS = 0;

using String = Memory::ByteString;

// Host basic type codes.
namespace BasicType {
inline constexpr std::int32_t Bool = 0;
inline constexpr std::int32_t Char = 1;
inline constexpr std::int32_t Int = 2;
inline constexpr std::int32_t Real3 = 3;  // a second real kind, treated as Real
inline constexpr std::int32_t Real = 4;
inline constexpr std::int32_t String = 5;
inline constexpr std::int32_t Object = 6;  // reference values and matrices
}  // namespace BasicType

// An object with an intrusive reference count. The count starts at 0; the
// object destroys itself when the last reference is released.
class ORV_API RefObject {
 public:
  RefObject() noexcept;
  RefObject(const RefObject&) noexcept;             // a copy starts unreferenced
  RefObject& operator=(const RefObject&) noexcept;  // the count is never copied
  virtual ~RefObject();

  void ref() const noexcept { ++count_; }
  void unref() const noexcept {
    if (--count_ == 0) delete this;
  }
  std::int32_t refCount() const noexcept { return count_; }

  static void* operator new(std::size_t size);
  // Sized, so that the host can keep the storage for its next object.
  static void operator delete(void* block, std::size_t size) noexcept;

 private:
  mutable std::int32_t count_ = 0;
};

// Holds one reference to a RefObject, like boost::intrusive_ptr.
template <class T>
class SmartPointer {
 public:
  SmartPointer() noexcept = default;
  SmartPointer(std::nullptr_t) noexcept {}              // NOLINT: null converts implicitly
  SmartPointer(T* object) noexcept : object_(object) {  // NOLINT: takes a raw pointer
    if (object_) object_->ref();
  }
  // With addReference false, takes over a reference the caller already owns.
  SmartPointer(T* object, bool addReference) noexcept : object_(object) {
    if (object_ && addReference) object_->ref();
  }
  SmartPointer(const SmartPointer& other) noexcept : SmartPointer(other.object_) {}
  SmartPointer(SmartPointer&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  template <class U>
  SmartPointer(const SmartPointer<U>& other) noexcept : SmartPointer(other.get()) {}  // NOLINT
  template <class U>
  SmartPointer(SmartPointer<U>&& other) noexcept : object_(other.detach()) {}  // NOLINT
  ~SmartPointer() {
    if (object_) object_->unref();
  }

  SmartPointer& operator=(SmartPointer other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }

  T* get() const noexcept { return object_; }
  T* operator->() const noexcept { return object_; }
  T& operator*() const noexcept { return *object_; }
  explicit operator bool() const noexcept { return object_ != nullptr; }

  void reset() noexcept { SmartPointer().swap(*this); }
  void swap(SmartPointer& other) noexcept { std::swap(object_, other.object_); }

  // Gives up the reference without releasing it; the caller now owns it.
  T* detach() noexcept { return std::exchange(object_, nullptr); }

 private:
  T* object_ = nullptr;
};

template <class T, class U>
bool operator==(const SmartPointer<T>& a, const SmartPointer<U>& b) noexcept {
  return a.get() == b.get();
}

// A counted pointer to the same object seen as T, or empty when it is no T.
template <class T, class U>
SmartPointer<T> DynamicPointerCast(const SmartPointer<U>& object) noexcept {
  return SmartPointer<T>(dynamic_cast<T*>(object.get()));
}

}  // namespace Velkor::Orv
