#include "expressions/object_node.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

SmartPointer<Orv::INCType> TypeOf(const Orv::INCObjectValue& object) {
  SmartPointer<Orv::INCType> type;
  object.GetType(type);
  return type;
}

}  // namespace

ObjectNode::ObjectNode(SmartPointer<Orv::INCObjectValue> object) : Node(TypeOf(*object)), object_(std::move(object)) {}

void ObjectNode::Render(std::string& out) const {
  RenderObject(object_.get(), out);
}

bool ObjectNode::Compute(Evaluation&, SmartPointer<Orv::INCObject>& value) const {
  value = object_;
  return true;
}

}  // namespace Velkor::OrvReference
