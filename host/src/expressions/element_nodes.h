// Elements of arrays: of a basic type (assignable) or of a structure type.
// Index counts and bounds are checked when the program runs.
#pragma once

#include <iterator>
#include <utility>

#include "expressions/node.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

class ElementNode final : public LValueNode {
 public:
  // The index list is made in place from `indices`, a range of nodes (null
  // ones stay absent): most elements are made from the array a factory is
  // handed.
  template <class Indices>
  ElementNode(Orv::SmartPointer<Orv::INCObjectExpression> array, const Indices& indices, ResultType elementType,
              ExecutionContext& context)
      : LValueNode(std::move(elementType), context),
        array_(std::move(array)),
        indices_(std::begin(indices), std::end(indices)) {}

  // (elem ARRAY i1 [i2])
  void Render(std::string& out) const override;
  bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const override;
  bool Store(Evaluation& evaluation, Orv::INCValue* value) const override;
  // The element of the array computed now, at the indices computed now.
  bool Bind(Evaluation& evaluation, Orv::SmartPointer<Orv::INCLValue>& bound) const override;

 private:
  Orv::SmartPointer<Orv::INCObjectExpression> array_;
  ExpressionList indices_;
};

class StructElementNode final : public Node<Orv::INCStructExpression> {
 public:
  StructElementNode(Orv::SmartPointer<Orv::INCObjectExpression> array, ExpressionList indices, ResultType elementType);

  // (selem ARRAY i1 [i2])
  void Render(std::string& out) const override;
  bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const override;

 private:
  Orv::SmartPointer<Orv::INCObjectExpression> array_;
  ExpressionList indices_;
};

// The element type of an array type; none for any other type.
ResultType ElementTypeOf(const Orv::INCType* arrayType);
// The element type of an array node's type; none when it is no array.
ResultType ElementTypeOf(const Orv::INCObjectExpression& array);

}  // namespace Velkor::OrvReference
