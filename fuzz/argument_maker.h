// Arguments of a controller command or method made from fuzz input: each
// starts with a byte that chooses its kind (omitted, INT, REAL, BOOL,
// STRING, a matrix, a FRAME, an AXIS, a frame variable of the channel, an
// array of basic values, frames, axes or arrays, a name the channel knows,
// a structure of members the controller looks for), then the bytes that
// kind needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_machine.h"
#include "orv/base.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::Fuzz {

class ArgumentMaker {
 public:
  ArgumentMaker(Channel& channel, const std::uint8_t* data, std::size_t size)
      : channel_(channel), data_(data), size_(size) {}

  // At most eight arguments, as many as the input holds.
  std::vector<Orv::SmartPointer<Orv::INCObject>> Arguments();

 private:
  Orv::SmartPointer<Orv::INCObject> Next();
  std::uint8_t Byte();
  template <class T>
  T Raw();
  Orv::SmartPointer<Orv::INCObject> Structure(const char* typeName);
  Orv::SmartPointer<Orv::INCType> ElementType();
  Orv::SmartPointer<Orv::INCObject> Array();
  Orv::SmartPointer<Orv::INCObject> KnownName();
  Orv::SmartPointer<Orv::INCObject> MadeUpStructure();
  Orv::SmartPointer<Orv::INCBasicType> BasicType();

  Channel& channel_;
  const std::uint8_t* data_;
  std::size_t size_;
  int frameVariables_ = 0;
};

}  // namespace Velkor::Fuzz
