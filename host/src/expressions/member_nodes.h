// Members of structures: a member of a basic type (assignable) and a
// component of a frame (an array member).
#pragma once

#include "expressions/node.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

class MemberNode final : public LValueNode {
 public:
  MemberNode(Orv::SmartPointer<Orv::INCObjectExpression> structure, Orv::String member,
             Orv::SmartPointer<Orv::INCType> memberType, ExecutionContext& context);

  // (member e NAME)
  void Render(std::string& out) const override;
  bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const override;
  bool Store(Evaluation& evaluation, Orv::INCValue* value) const override;
  // The member of the structure computed now.
  bool Bind(Evaluation& evaluation, Orv::SmartPointer<Orv::INCLValue>& bound) const override;

 private:
  Orv::SmartPointer<Orv::INCObjectExpression> structure_;
  Orv::String member_;
};

class FrameComponentNode final : public Node<Orv::INCObjectExpression> {
 public:
  FrameComponentNode(Orv::SmartPointer<Orv::INCObjectExpression> frame, Orv::String component,
                     Orv::SmartPointer<Orv::INCType> componentType);

  // (comp e NAME)
  void Render(std::string& out) const override;
  bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const override;

 private:
  Orv::SmartPointer<Orv::INCObjectExpression> frame_;
  Orv::String component_;
};

// The type of the member `name` of a structure node's type; null when the
// node is no structure of known type or its type has no such member.
Orv::SmartPointer<Orv::INCType> MemberTypeOf(const Orv::INCObjectExpression& structure, const Orv::String& name);

}  // namespace Velkor::OrvReference
