// Host engine: expression nodes built by the factories.
#pragma once

#include "orv/values.h"

namespace Velkor::Orv {

// Every node knows its result: a node of a basic result answers GetType with
// a host type code; a node of a structure result answers GetResultType.
class ORV_API INCObjectExpression : public INCObject {
 public:
  ~INCObjectExpression() override;
  virtual TResult GetType(std::int32_t& typeCode) const = 0;
  virtual TResult GetResultType(SmartPointer<INCType>& type) const = 0;
};

class ORV_API INCExpression : public INCObjectExpression {
 public:
  ~INCExpression() override;
  // Evaluation without a running program: succeeds only for expressions made
  // of constants, conversions and operators.
  virtual TResult Evaluate(SmartPointer<INCValue>& value) const = 0;
};

// An assignable node of a basic type: a variable, an element or a member.
class ORV_API INCLValue : public INCExpression {
 public:
  ~INCLValue() override;
  virtual TResult GetValue(SmartPointer<INCValue>& value) const = 0;
  virtual TResult Assign(INCValue* value) = 0;
};

class ORV_API INCStructExpression : public INCObjectExpression {
 public:
  ~INCStructExpression() override;
};

}  // namespace Velkor::Orv
