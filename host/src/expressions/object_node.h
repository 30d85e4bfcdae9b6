// A node that stands for one live array or structure, fixed when a
// reference to an element or a member of it was bound.
#pragma once

#include "expressions/node.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

class ObjectNode final : public Node<Orv::INCObjectExpression> {
 public:
  explicit ObjectNode(Orv::SmartPointer<Orv::INCObjectValue> object);

  // ARRAY or STRUCT, as a live object renders.
  void Render(std::string& out) const override;
  bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const override;

 private:
  Orv::SmartPointer<Orv::INCObjectValue> object_;
};

}  // namespace Velkor::OrvReference
