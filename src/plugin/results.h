// The host result codes the plug-in produces.
#pragma once

#include "orv/base.h"

namespace Velkor::OrvTessan {

inline constexpr Orv::TResult kSuccess = Orv::ORV_SUCCESS;
inline constexpr Orv::TResult kFailure = 2;  // missing argument, failed parse, command or method
inline constexpr Orv::TResult kUnknownCommandResult = 3;
inline constexpr Orv::TResult kNotCreated = 4;  // the allocator returned nothing

}  // namespace Velkor::OrvTessan
