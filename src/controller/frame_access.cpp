#include "controller/frame_access.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

SmartPointer<Orv::INCArray> FindFrameComponent(Orv::INCStruct& frame, const Orv::String& name) {
  SmartPointer<Orv::INCObject> member;
  if (frame.GetMember(name, member) != Orv::ORV_SUCCESS) return nullptr;
  return Orv::DynamicPointerCast<Orv::INCArray>(member);
}

bool ReadFrameElement(Orv::INCArray& component, std::int32_t axis, double& value) {
  SmartPointer<Orv::INCObject> element;
  if (component.GetElement(1, &axis, element) != Orv::ORV_SUCCESS) return false;
  const auto number = Orv::DynamicPointerCast<Orv::INCValue>(element);
  return number && number->GetReal(value) == Orv::ORV_SUCCESS;
}

double FrameElementOr(Orv::INCArray& component, std::int32_t axis, double fallback) {
  double value = fallback;
  if (axis < 0 || !ReadFrameElement(component, axis, value)) return fallback;
  return value;
}

bool WriteFrameElement(Orv::INCArray& component, std::int32_t axis, double value, Orv::IValueFactory& factory) {
  SmartPointer<Orv::INCValue> number;
  if (factory.CreateRealValue(value, number) != Orv::ORV_SUCCESS || !number) return false;
  return component.SetElement(1, &axis, number.get()) == Orv::ORV_SUCCESS;
}

}  // namespace Velkor::OrvTessan
