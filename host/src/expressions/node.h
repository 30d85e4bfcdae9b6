// The common ground of the host's expression nodes: each renders itself in
// the prefix form of the block trace, computes its value, and knows its
// result type from the moment it is made.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "evaluation/evaluation.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/types.h"
#include "orv/values.h"
#include "recycled_storage.h"
#include "values/basic_value.h"

namespace Velkor::OrvReference {

using ExpressionList = std::vector<Orv::SmartPointer<Orv::INCObjectExpression>,
                                   RecycledAllocator<Orv::SmartPointer<Orv::INCObjectExpression>>>;

class HostNode {
 public:
  virtual void Render(std::string& out) const = 0;
  // A basic value, a live array or structure, or null for a method without
  // a value. False once the evaluation has failed.
  virtual bool Compute(Evaluation& evaluation, Orv::SmartPointer<Orv::INCObject>& value) const = 0;

 protected:
  ~HostNode() = default;
};

// The node behind an object of this host; null for any other object.
const HostNode* AsHostNode(const Orv::INCObject* object);

// A node, `_` for none, or for another object the word for its kind.
void RenderObject(const Orv::INCObject* object, std::string& out);

// Computes a node that is absent when null.
bool ComputeNode(Evaluation& evaluation, const Orv::INCObject* node, Orv::SmartPointer<Orv::INCObject>& value);
// Computes a node that must give a basic value.
bool ComputeBasicValue(Evaluation& evaluation, const Orv::INCObject* node, Orv::SmartPointer<BasicValue>& value);
// The basic result code of an operator node; none when it is not known (an
// unknown operand type, say).
using BasicResult = std::optional<std::int32_t>;

// A result type together with its basic code (none when it is no basic
// type), for nodes that hand one type to many nodes they make.
struct ResultType {
  Orv::SmartPointer<Orv::INCType> type;
  BasicResult basicCode;
};

inline ResultType ResultTypeOf(Orv::SmartPointer<Orv::INCType> type) {
  std::int32_t code = 0;
  const bool basic = BasicTypeCode(type.get(), code);
  return {std::move(type), basic ? BasicResult(code) : std::nullopt};
}
// Appends " " and each node in turn, `_` for an absent one.
void RenderEach(const ExpressionList& nodes, std::string& out);

// A node whose result type is `resultType` (null when it has none): GetType
// answers for basic result types, GetResultType for every known one. The
// basic code is worked out once; a basic type object is made only when
// asked for.
template <class Base>
class Node : public Base, public HostNode {
 public:
  Orv::TResult GetType(std::int32_t& typeCode) const override {
    if (!basicCode_) return 1;
    typeCode = *basicCode_;
    return Orv::ORV_SUCCESS;
  }

  Orv::TResult GetResultType(Orv::SmartPointer<Orv::INCType>& type) const override {
    if (!resultType_ && basicCode_) resultType_ = new BasicType(*basicCode_);
    if (!resultType_) return 1;
    type = resultType_;
    return Orv::ORV_SUCCESS;
  }

 protected:
  explicit Node(Orv::SmartPointer<Orv::INCType> resultType) : Node(ResultTypeOf(std::move(resultType))) {}
  explicit Node(ResultType resultType) : basicCode_(resultType.basicCode), resultType_(std::move(resultType.type)) {}
  explicit Node(BasicResult basicCode) : basicCode_(basicCode) {}

 private:
  BasicResult basicCode_;
  mutable Orv::SmartPointer<Orv::INCType> resultType_;
};

// The basic value of a node, computed with the running program of
// `context`, or without one when it is null (see Evaluation).
Orv::TResult ComputeValue(const HostNode& node, ExecutionContext* context, Orv::SmartPointer<Orv::INCValue>& value);

// A node of a basic result, which parse-time evaluation may reach.
template <class Base>
class ValueNode : public Node<Base> {
 public:
  Orv::TResult Evaluate(Orv::SmartPointer<Orv::INCValue>& value) const override {
    return ComputeValue(*this, nullptr, value);
  }

 protected:
  using Node<Base>::Node;
};

// An assignable node. It reads and writes through the execution context
// whose factory made it; that context outlives the node.
class LValueNode : public ValueNode<Orv::INCLValue> {
 public:
  Orv::TResult GetValue(Orv::SmartPointer<Orv::INCValue>& value) const override;
  Orv::TResult Assign(Orv::INCValue* value) override;

  // Stores a copy of the value where the node refers to, converted as the
  // storage requires.
  virtual bool Store(Evaluation& evaluation, Orv::INCValue* value) const = 0;
  // A node that refers to where this one refers to now, whatever happens
  // later: names looked up in the frames visible now, indices computed. It
  // is what a parameter passed by reference stands for.
  virtual bool Bind(Evaluation& evaluation, Orv::SmartPointer<Orv::INCLValue>& bound) const = 0;

 protected:
  LValueNode(ResultType resultType, ExecutionContext& context) : ValueNode(std::move(resultType)), context_(context) {}

  ExecutionContext& context() const { return context_; }

 private:
  ExecutionContext& context_;
};

}  // namespace Velkor::OrvReference
