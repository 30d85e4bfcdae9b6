// Constants: a basic value, a reference value among them.
#pragma once

#include "expressions/node.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

class ConstantNode final : public ValueNode<Orv::INCExpression> {
 public:
  explicit ConstantNode(Orv::SmartPointer<BasicValue> value);

  // 7, -0.5, 2.0, TRUE, 'c', "text", &(var R) or &_.
  void Render(std::string& out) const override;
  bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const override;
  const Orv::SmartPointer<BasicValue>& value() const { return value_; }

 private:
  Orv::SmartPointer<BasicValue> value_;
};

// The value of a constant node; null for any other object.
const Orv::SmartPointer<BasicValue>* ConstantValueOf(const Orv::INCObject* node);

}  // namespace Velkor::OrvReference
