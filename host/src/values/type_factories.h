// The factories of array types and structure types.
#pragma once

#include "orv/base.h"
#include "orv/factories.h"
#include "orv/types.h"

namespace Velkor::OrvReference {

// Array types of one or two dimensions of sizes 0 or more.
class ArrayTypeFactory final : public Orv::IArrayTypeFactory {
 public:
  // The two settings mean nothing to this host. Fails without an element
  // type, for other dimension counts, negative sizes, and arrays whose
  // elements would hold more than ArrayType::kMostValues host values.
  Orv::TResult CreateArrayType(Orv::INCType* elementType, std::int32_t dimensionCount, const std::int32_t* sizes,
                               bool settingA, bool settingB, Orv::SmartPointer<Orv::INCArrayType>& result) override;
};

class StructTypeFactory final : public Orv::IStructTypeFactory {
 public:
  // The flags mean nothing to this host. Fails when a member has no type.
  Orv::TResult CreateStructType(std::int32_t memberCount, const Orv::StructMemberDeclaration* members,
                                std::int32_t flags, Orv::SmartPointer<Orv::INCStructType>& result) override;
};

}  // namespace Velkor::OrvReference
