// Reading and writing the elements of frames. A frame is a structure of the
// "FRAME" type whose components are arrays of reals indexed by axis, and a
// frame method reads and writes hundreds of elements through the host's
// interfaces.
#pragma once

#include <cstdint>

#include "controller/controller_types.h"
#include "orv/base.h"
#include "orv/factories.h"
#include "orv/values.h"
#include "parser/class_kinds.h"

namespace Velkor::OrvTessan {

// The elements of the frames one method or command works on. Which interface
// a host object implements is found once per class and kept (dynamic_cast
// would walk the class hierarchy comparing type names for every element), and
// a run of equal reals written is made by the value factory once, since a
// component stores a copy of what it is given.
class FrameElements {
 public:
  // Whether the frames written are shared with others or new ones the
  // method has just made: an element of a new frame that already reads as
  // exactly the value written is left as it is.
  enum class Written { kShared, kNew };

  // Without a factory nothing can be written.
  explicit FrameElements(Orv::IValueFactory* factory = nullptr, Written written = Written::kShared)
      : factory_(factory), written_(written) {}

  // The component as an array; null when the frame has no member of that
  // name or the member is not an array.
  Orv::SmartPointer<Orv::INCArray> Component(Orv::INCStruct& frame, const Orv::String& name);

  // False when the element does not exist or has no real reading; callers
  // then use the component's neutral value.
  bool Read(Orv::INCArray& component, std::int32_t axis, double& value);
  // The element, or `fallback` for an absent axis (-1) or an unreadable
  // element.
  double ReadOr(Orv::INCArray& component, std::int32_t axis, double fallback);

  // False when the value cannot be made or the component refuses it.
  bool Write(Orv::INCArray& component, std::int32_t axis, double value);

 private:
  using ObjectKinds = ClassKinds<Orv::INCObject, Orv::INCValue, Orv::INCArray>;

  ObjectKinds kinds_;
  Orv::IValueFactory* factory_;
  Written written_;
  // The element read last and its reading: a frame's elements are mostly a
  // few values shared by many axes (the zero and the one of a new frame, a
  // run of equal reals written), and a host value, which has no setter,
  // reads the same every time. Holding it keeps its address from passing to
  // another object.
  Orv::SmartPointer<Orv::INCObject> lastRead_;
  double lastReading_ = 0.0;
  bool lastReadable_ = false;
  Orv::SmartPointer<Orv::INCValue> lastWritten_;
  double lastValue_ = 0.0;
};

}  // namespace Velkor::OrvTessan
