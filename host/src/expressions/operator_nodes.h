// Conversions and the unary and binary operators. Their result types follow
// from their operands' types as the operators define them.
#pragma once

#include "expressions/node.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

class ConversionNode final : public ValueNode<Orv::INCExpression> {
 public:
  // `operand` is a node, never null.
  ConversionNode(Orv::INCExpression* operand, std::int32_t typeCode);

  // (conv TYPE e)
  void Render(std::string& out) const override;
  bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const override;

 private:
  Orv::SmartPointer<Orv::INCExpression> operand_;
  std::int32_t typeCode_;
};

class UnaryNode final : public ValueNode<Orv::INCExpression> {
 public:
  // `operand` is a node, never null.
  UnaryNode(Orv::INCExpression* operand, std::int32_t operatorCode);

  // (neg e), (sin e), ...
  void Render(std::string& out) const override;
  bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const override;

 private:
  Orv::SmartPointer<Orv::INCExpression> operand_;
  std::int32_t operatorCode_;
};

class BinaryNode final : public ValueNode<Orv::INCExpression> {
 public:
  // Both operands are nodes, never null.
  BinaryNode(Orv::INCExpression* left, Orv::INCExpression* right, std::int32_t operatorCode);

  // (+ a b), (== a b), ...
  void Render(std::string& out) const override;
  bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const override;

 private:
  Orv::SmartPointer<Orv::INCExpression> left_;
  Orv::SmartPointer<Orv::INCExpression> right_;
  std::int32_t operatorCode_;
};

}  // namespace Velkor::OrvReference
