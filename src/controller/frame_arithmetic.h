// Frame arithmetic that is not a plain matrix operation: the inverse frame
// and the sum of two frames' translations.
#pragma once

#include "controller/frame_access.h"
#include "controller/geometry_axes.h"
#include "orv/channel.h"
#include "orv/values.h"

namespace Velkor::OrvTessan {

// Replaces the frame by its inverse: the geometry axes through the inverse of
// the frame's matrix, every other axis element by element.
void InvertFrameInPlace(Orv::INCStruct& frame, const Orv::IChannel& channel, FrameElements& elements);

// Sets the coarse and fine translation of every axis of `result` to the sums
// of those of `left` and `right` (an unreadable element counts as 0); the
// other components of `result` are left alone. False when a frame lacks one
// of the two components.
bool AddFrameOffsets(Orv::INCStruct& left, Orv::INCStruct& right, Orv::INCStruct& result, FrameElements& elements);

}  // namespace Velkor::OrvTessan
