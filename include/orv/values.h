// Host engine: run-time values (basic values, arrays, structures).
#pragma once

#include "orv/base.h"
#include "orv/types.h"

namespace Velkor::Orv {

// Any object the host hands around: values, expressions, matrices.
class ORV_API INCObject : public RefObject {
 public:
  ~INCObject() override;
};

// A value of the host's value model; knows its type.
class ORV_API INCObjectValue : public INCObject {
 public:
  ~INCObjectValue() override;
  virtual TResult GetType(SmartPointer<INCType>& type) const = 0;
};

// A value of a basic type. Each reader fails (non-zero) when the value has
// no such reading.
class ORV_API INCValue : public INCObjectValue {
 public:
  ~INCValue() override;
  virtual TResult GetBool(bool& value) const = 0;
  virtual TResult GetInteger(std::int32_t& value) const = 0;
  virtual TResult GetReal(double& value) const = 0;
  virtual TResult GetString(String& value) const = 0;
  // The object carried by a reference value.
  virtual TResult GetReferencedObject(SmartPointer<INCObject>& object) const = 0;
};

class ORV_API INCArray : public INCObjectValue {
 public:
  ~INCArray() override;
  // The live element: writing through it changes the array.
  virtual TResult GetElement(std::int32_t dimensionCount, const std::int32_t* indices,
                             SmartPointer<INCObject>& element) = 0;
  // Stores a copy of the value.
  virtual TResult SetElement(std::int32_t dimensionCount, const std::int32_t* indices, INCObject* value) = 0;
};

// Tells observers of a structure whether it is being rewritten.
class ORV_API IUpdateHandle : public RefObject {
 public:
  ~IUpdateHandle() override;
  virtual void SetUpdating(bool updating) = 0;
};

class ORV_API INCStruct : public INCObjectValue {
 public:
  ~INCStruct() override;
  // The live member: writing through it changes the structure.
  virtual TResult GetMember(const String& name, SmartPointer<INCObject>& member) = 0;
  virtual TResult SetMember(const String& name, INCObject* value) = 0;
  virtual TResult Clone(SmartPointer<INCObject>& copy) const = 0;
  virtual TResult GetUpdateHandle(SmartPointer<IUpdateHandle>& handle) = 0;
};

}  // namespace Velkor::Orv
