// Calls of host functions and controller methods. The four ways the
// factories make them differ only in their keyword and, for methods of a
// structure result, in being structure expressions.
#pragma once

#include "evaluation/calls.h"
#include "expressions/node.h"
#include "orv/base.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

// Base is ValueNode<INCExpression> or Node<INCStructExpression>.
template <class Base>
class CallNode final : public Base {
 public:
  // `keyword` is call, ocall, method or omethod.
  CallNode(const char* keyword, Orv::String name, ExpressionList arguments, Orv::SmartPointer<Orv::INCType> resultType)
      : Base(std::move(resultType)), keyword_(keyword), name_(std::move(name)), arguments_(std::move(arguments)) {}

  // (call NAME a b ...)
  void Render(std::string& out) const override {
    out += '(';
    out += keyword_;
    out += ' ';
    out.append(name_.data(), name_.size());
    RenderEach(arguments_, out);
    out += ')';
  }

  bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const override {
    return CallByName(evaluation, name_, arguments_, value);
  }

 private:
  const char* keyword_;
  Orv::String name_;
  ExpressionList arguments_;
};

}  // namespace Velkor::OrvReference
