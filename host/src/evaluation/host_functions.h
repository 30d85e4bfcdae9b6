// The functions the host itself provides to NC expressions.
#pragma once

#include <string_view>
#include <vector>

#include "evaluation/evaluation.h"
#include "orv/base.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

using ArgumentValues = std::vector<Orv::SmartPointer<Orv::INCObject>>;

struct HostFunction {
  std::string_view name;
  std::int32_t resultCode;
  // Runs with the context of the evaluation, which is never null here.
  bool (*call)(Evaluation& evaluation, const ArgumentValues& arguments, Orv::SmartPointer<Orv::INCObject>& result);
};

// SUBSTR, STRLEN, INTERSEC, IsEqualObject, GetDefaultXGeoAxis,
// GetDefaultYGeoAxis, GetDefaultZGeoAxis, INDEX, ISAXIS, ISFILE, GETT;
// null for any other name (names are case-sensitive).
const HostFunction* FindHostFunction(const Orv::String& name);

}  // namespace Velkor::OrvReference
