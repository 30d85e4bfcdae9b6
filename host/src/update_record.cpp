#include "orvref/update_record.h"

#include "values/struct_value.h"

namespace Velkor::OrvReference {

std::vector<bool> UpdatingCalls(const Orv::INCStruct& structure) {
  const auto* value = dynamic_cast<const StructValue*>(&structure);
  return value ? value->updatingCalls() : std::vector<bool>();
}

}  // namespace Velkor::OrvReference
