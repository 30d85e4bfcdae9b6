#include "controller/frame_access.h"

#include <cmath>

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

// Equal and of the same sign: 0.0 and -0.0 are different elements.
bool SameReal(double a, double b) {
  return a == b && std::signbit(a) == std::signbit(b);
}

}  // namespace

SmartPointer<Orv::INCArray> FrameElements::Component(Orv::INCStruct& frame, const Orv::String& name) {
  SmartPointer<Orv::INCObject> member;
  if (frame.GetMember(name, member) != Orv::ORV_SUCCESS) return nullptr;
  return kinds_.As<Orv::INCArray>(member.get());
}

bool FrameElements::Read(Orv::INCArray& component, std::int32_t axis, double& value) {
  SmartPointer<Orv::INCObject> element;
  if (component.GetElement(1, &axis, element) != Orv::ORV_SUCCESS) return false;
  if (element != lastRead_) {
    const Orv::INCValue* number = kinds_.As<Orv::INCValue>(element.get());
    lastReadable_ = number != nullptr && number->GetReal(lastReading_) == Orv::ORV_SUCCESS;
    lastRead_ = std::move(element);
  }
  if (lastReadable_) value = lastReading_;
  return lastReadable_;
}

double FrameElements::ReadOr(Orv::INCArray& component, std::int32_t axis, double fallback) {
  double value = fallback;
  if (axis < 0 || !Read(component, axis, value)) return fallback;
  return value;
}

bool FrameElements::Write(Orv::INCArray& component, std::int32_t axis, double value) {
  double present = 0.0;
  if (written_ == Written::kNew && Read(component, axis, present) && SameReal(present, value)) return true;
  if (!lastWritten_ || !SameReal(value, lastValue_)) {
    SmartPointer<Orv::INCValue> number;
    if (factory_ == nullptr || factory_->CreateRealValue(value, number) != Orv::ORV_SUCCESS || !number) return false;
    lastWritten_ = std::move(number);
    lastValue_ = value;
  }
  return component.SetElement(1, &axis, lastWritten_.get()) == Orv::ORV_SUCCESS;
}

}  // namespace Velkor::OrvTessan
