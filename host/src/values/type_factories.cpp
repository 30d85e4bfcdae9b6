#include "values/type_factories.h"

#include "values/array_type.h"
#include "values/struct_type.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {
constexpr Orv::TResult kRefused = 1;
}  // namespace

Orv::TResult ArrayTypeFactory::CreateArrayType(Orv::INCType* elementType, std::int32_t dimensionCount,
                                               const std::int32_t* sizes, bool, bool,
                                               SmartPointer<Orv::INCArrayType>& result) {
  if (elementType == nullptr || dimensionCount < 1 || dimensionCount > 2 || sizes == nullptr) return kRefused;
  std::size_t elementCount = 1;
  for (std::int32_t dimension = 0; dimension < dimensionCount; ++dimension) {
    if (sizes[dimension] < 0) return kRefused;
    elementCount *= static_cast<std::size_t>(sizes[dimension]);
    if (elementCount > ArrayType::kMaximumElementCount) return kRefused;
  }
  result = new ArrayType(elementType, std::vector<std::int32_t>(sizes, sizes + dimensionCount));
  return Orv::ORV_SUCCESS;
}

Orv::TResult StructTypeFactory::CreateStructType(std::int32_t memberCount, const Orv::StructMemberDeclaration* members,
                                                 std::int32_t, SmartPointer<Orv::INCStructType>& result) {
  if (memberCount < 0 || (memberCount > 0 && members == nullptr)) return kRefused;
  std::vector<StructType::Member> declared;
  for (std::int32_t i = 0; i < memberCount; ++i) {
    if (members[i].type == nullptr) return kRefused;
    declared.push_back({members[i].name, members[i].type});
  }
  result = new StructType(std::move(declared));
  return Orv::ORV_SUCCESS;
}

}  // namespace Velkor::OrvReference
