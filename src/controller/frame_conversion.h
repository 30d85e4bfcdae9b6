// Frames to the host's 4x4 matrices and back. Only the three geometry axes
// take part; indices passed as -1 are taken from the channel. A frame whose
// components are missing or are not arrays makes a conversion return false;
// neither conversion reports a message of its own.
#pragma once

#include "controller/frame_access.h"
#include "controller/geometry_axes.h"
#include "orv/channel.h"
#include "orv/matrix.h"
#include "orv/values.h"

namespace Velkor::OrvTessan {

// Scale (with mirror), rotation (in the channel's rotation sequence), coarse
// and then fine translation, applied to the identity in that order.
bool FrameToMatrix(Orv::INCStruct& frame, Orv::Matrix& matrix, GeometryIndices axes, const Orv::IChannel& channel,
                   FrameElements& elements);

// Writes the matrix's translation, rotation (always decomposed Z-Y-X), scale
// and mirror into the geometry axes of the frame, with a fine translation of
// 0. The other axes are not touched.
bool MatrixToFrame(Orv::INCStruct& frame, const Orv::Matrix& matrix, GeometryIndices axes, const Orv::IChannel& channel,
                   FrameElements& elements);

}  // namespace Velkor::OrvTessan
