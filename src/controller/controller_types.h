// The structure types the controller registers in every channel: their names
// and the layout of a frame.
#pragma once

#include <cstdint>

namespace Velkor::OrvTessan {

inline constexpr const char* kFrameTypeName = "FRAME";
inline constexpr const char* kAxisTypeName = "AXIS";
inline constexpr const char* kAxisNameMember = "Name";

// A frame has one element per axis index of the channel in each component.
inline constexpr std::int32_t kFrameAxisCount = 36;

// Frame components, in member order.
inline constexpr const char* kTranslation = "TR";  // coarse translation
inline constexpr const char* kRotation = "RT";     // degrees about the axis
inline constexpr const char* kScale = "SC";        // factor, 1.0 when neutral
inline constexpr const char* kMirror = "MI";       // mirrored when greater than 0
inline constexpr const char* kFineTranslation = "FI";
inline constexpr const char* kOffsets = "Offsets";  // carried along, never interpreted

}  // namespace Velkor::OrvTessan
