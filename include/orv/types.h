// Host engine: the type model (basic, array and structure types).
#pragma once

#include "orv/base.h"

namespace Velkor::Orv {

class INCObject;
class INCStruct;

class ORV_API INCType : public RefObject {
 public:
  ~INCType() override;
  // 0 when both denote the same type, 1 otherwise.
  virtual std::int32_t CompareType(const INCType* other) const = 0;
};

class ORV_API INCBasicType : public INCType {
 public:
  ~INCBasicType() override;
  virtual std::int32_t GetTypeCode() const = 0;
};

class ORV_API INCArrayType : public INCType {
 public:
  ~INCArrayType() override;
  virtual TResult GetElementType(SmartPointer<INCType>& elementType) const = 0;
  virtual std::int32_t GetDimensionCount() const = 0;
  virtual std::int32_t GetDimensionSize(std::int32_t dimension) const = 0;
  // A new array holding the element type's default in every element.
  virtual TResult CreateValue(SmartPointer<INCObject>& value) const = 0;
};

class ORV_API INCStructType : public INCType {
 public:
  ~INCStructType() override;
  // A new structure: a deep copy of the default value.
  virtual TResult CreateValue(SmartPointer<INCStruct>& value) const = 0;
  virtual TResult SetDefaultValue(INCStruct* value) = 0;
  virtual std::int32_t GetMemberCount() const = 0;
  virtual TResult GetMemberName(std::int32_t index, String& name) const = 0;
  virtual TResult GetMemberType(std::int32_t index, SmartPointer<INCType>& type) const = 0;
};

}  // namespace Velkor::Orv
