#include "values/type_factories.h"

#include "values/array_type.h"
#include "values/struct_type.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

constexpr Orv::TResult kRefused = 1;

// How many host values a value of `type` is made of, itself included; any
// count above `limit` is answered as limit + 1, so that nothing overflows.
std::size_t ValuesOf(const Orv::INCType& type, std::size_t limit) {
  if (const auto* array = dynamic_cast<const ArrayType*>(&type)) {
    const std::size_t count = array->ElementCount();
    if (count == 0) return 1;
    const std::size_t each = ValuesOf(array->elementType(), limit);
    return each > (limit - 1) / count ? limit + 1 : 1 + count * each;
  }
  if (const auto* structure = dynamic_cast<const StructType*>(&type)) {
    std::size_t values = 1;
    for (const StructType::Member& member : structure->members()) {
      values += ValuesOf(*member.type, limit);
      if (values > limit) return limit + 1;
    }
    return values;
  }
  return 1;
}

}  // namespace

Orv::TResult ArrayTypeFactory::CreateArrayType(Orv::INCType* elementType, std::int32_t dimensionCount,
                                               const std::int32_t* sizes, bool, bool,
                                               SmartPointer<Orv::INCArrayType>& result) {
  if (elementType == nullptr || dimensionCount < 1 || dimensionCount > 2 || sizes == nullptr) return kRefused;
  std::size_t elementCount = 1;
  for (std::int32_t dimension = 0; dimension < dimensionCount; ++dimension) {
    if (sizes[dimension] < 0) return kRefused;
    elementCount *= static_cast<std::size_t>(sizes[dimension]);
    if (elementCount > ArrayType::kMostValues) return kRefused;
  }
  const std::size_t valuesEach = ValuesOf(*elementType, ArrayType::kMostValues);
  if (elementCount != 0 && valuesEach > ArrayType::kMostValues / elementCount) return kRefused;
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
