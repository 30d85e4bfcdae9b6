// Variables named in an expression: scalars, whole arrays and structures.
// They are looked up by name when the program runs.
#pragma once

#include <optional>

#include "expressions/node.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

// A scalar, looked up where the name is visible when the program runs, or
// in one frame of the scope once bound to it.
class VariableNode final : public LValueNode {
 public:
  VariableNode(Orv::String name, Orv::SmartPointer<Orv::INCType> type, ExecutionContext& context,
               std::optional<std::size_t> frame = std::nullopt);

  // (var NAME)
  void Render(std::string& out) const override;
  // A scalar passed by reference reads and writes what it refers to.
  bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const override;
  bool Store(Evaluation& evaluation, Orv::INCValue* value) const override;
  bool Bind(Evaluation& evaluation, Orv::SmartPointer<Orv::INCLValue>& bound) const override;

 private:
  Orv::String name_;
  std::optional<std::size_t> frame_;
};

// A whole array: neither a value nor assignable, but what array commands and
// element references work on.
class ArrayNode final : public Node<Orv::INCObjectExpression> {
 public:
  ArrayNode(Orv::String name, Orv::SmartPointer<Orv::INCType> type);

  // (array NAME)
  void Render(std::string& out) const override;
  bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const override;

  // Found once here for the element nodes made on this node; null when the
  // declared type is no array type.
  const ResultType& elementType() const { return elementType_; }

 private:
  Orv::String name_;
  ResultType elementType_;
};

class StructVariableNode final : public Node<Orv::INCStructExpression> {
 public:
  StructVariableNode(Orv::String name, Orv::SmartPointer<Orv::INCType> type);

  // (struct NAME)
  void Render(std::string& out) const override;
  bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const override;

 private:
  Orv::String name_;
};

}  // namespace Velkor::OrvReference
