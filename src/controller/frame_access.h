// Reading and writing single elements of a frame. A frame is a structure of
// the "FRAME" type whose components are arrays of reals indexed by axis.
#pragma once

#include "controller/controller_types.h"
#include "orv/base.h"
#include "orv/factories.h"
#include "orv/values.h"

namespace Velkor::OrvTessan {

// The component as an array; null when the frame has no member of that name
// or the member is not an array.
Orv::SmartPointer<Orv::INCArray> FindFrameComponent(Orv::INCStruct& frame, const Orv::String& name);

// False when the element does not exist or has no real reading; callers then
// use the component's neutral value.
bool ReadFrameElement(Orv::INCArray& component, std::int32_t axis, double& value);
// The element, or `fallback` for an absent axis (-1) or an unreadable element.
double FrameElementOr(Orv::INCArray& component, std::int32_t axis, double fallback);

// False when the value cannot be made or the component refuses it.
bool WriteFrameElement(Orv::INCArray& component, std::int32_t axis, double value, Orv::IValueFactory& factory);

}  // namespace Velkor::OrvTessan
