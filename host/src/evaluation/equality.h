// Equality of host objects by value, as IsEqualObject compares them.
#pragma once

#include "orv/values.h"

namespace Velkor::OrvReference {

// Structures member by member (of the same type), arrays element by element
// (of the same sizes), numbers by numeric value (INT 10 equals REAL 10.0),
// texts byte by byte, matrices element by element, references by what they
// carry; any other object only equals itself.
bool EqualObjects(const Orv::INCObject* left, const Orv::INCObject* right);

}  // namespace Velkor::OrvReference
