#include "expressions/operator_nodes.h"

#include "evaluation/operators.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

BasicResult UnaryResult(const Orv::INCExpression& operand, std::int32_t op) {
  std::int32_t operandCode = 0, code = 0;
  const bool known = operand.GetType(operandCode) == Orv::ORV_SUCCESS && UnaryResultCode(op, operandCode, code);
  return known ? BasicResult(code) : std::nullopt;
}

BasicResult BinaryResult(const Orv::INCExpression& left, const Orv::INCExpression& right, std::int32_t op) {
  std::int32_t leftCode = 0, rightCode = 0, code = 0;
  const bool known = left.GetType(leftCode) == Orv::ORV_SUCCESS && right.GetType(rightCode) == Orv::ORV_SUCCESS &&
                     BinaryResultCode(op, leftCode, rightCode, code);
  return known ? BasicResult(code) : std::nullopt;
}

}  // namespace

ConversionNode::ConversionNode(Orv::INCExpression* operand, std::int32_t typeCode)
    : ValueNode(BasicResult(typeCode)), operand_(operand), typeCode_(typeCode) {}

void ConversionNode::Render(std::string& out) const {
  out += "(conv ";
  out += BasicTypeName(typeCode_);
  out += ' ';
  RenderObject(operand_.get(), out);
  out += ')';
}

bool ConversionNode::Compute(Evaluation& evaluation, SmartPointer<Orv::INCObject>& value) const {
  SmartPointer<BasicValue> operand, converted;
  if (!ComputeBasicValue(evaluation, operand_.get(), operand) ||
      !ApplyConversion(evaluation, operand, typeCode_, converted)) {
    return false;
  }
  value = std::move(converted);
  return true;
}

UnaryNode::UnaryNode(Orv::INCExpression* operand, std::int32_t operatorCode)
    : ValueNode(UnaryResult(*operand, operatorCode)), operand_(operand), operatorCode_(operatorCode) {}

void UnaryNode::Render(std::string& out) const {
  out += '(' + UnaryOperatorName(operatorCode_) + ' ';
  RenderObject(operand_.get(), out);
  out += ')';
}

bool UnaryNode::Compute(Evaluation& evaluation, SmartPointer<Orv::INCObject>& value) const {
  SmartPointer<BasicValue> operand, result;
  if (!ComputeBasicValue(evaluation, operand_.get(), operand) ||
      !ApplyUnary(evaluation, operatorCode_, *operand, result)) {
    return false;
  }
  value = std::move(result);
  return true;
}

BinaryNode::BinaryNode(Orv::INCExpression* left, Orv::INCExpression* right, std::int32_t operatorCode)
    : ValueNode(BinaryResult(*left, *right, operatorCode)), left_(left), right_(right), operatorCode_(operatorCode) {}

void BinaryNode::Render(std::string& out) const {
  out += '(' + BinaryOperatorName(operatorCode_) + ' ';
  RenderObject(left_.get(), out);
  out += ' ';
  RenderObject(right_.get(), out);
  out += ')';
}

bool BinaryNode::Compute(Evaluation& evaluation, SmartPointer<Orv::INCObject>& value) const {
  SmartPointer<BasicValue> left, right, result;
  if (!ComputeBasicValue(evaluation, left_.get(), left) || !ComputeBasicValue(evaluation, right_.get(), right) ||
      !ApplyBinary(evaluation, operatorCode_, *left, *right, result)) {
    return false;
  }
  value = std::move(result);
  return true;
}

}  // namespace Velkor::OrvReference
