// Reference host: what was done through the update handles of a structure.
#pragma once

#include <vector>

#include "orv/values.h"

namespace Velkor::OrvReference {

// The SetUpdating calls made through the update handles of a structure of
// this host, in order; empty for any other structure.
std::vector<bool> UpdatingCalls(const Orv::INCStruct& structure);

}  // namespace Velkor::OrvReference
