#include "expressions/member_nodes.h"

#include "expressions/object_node.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

bool Structure(Evaluation& evaluation, const Orv::INCObjectExpression* node, SmartPointer<Orv::INCStruct>& structure) {
  SmartPointer<Orv::INCObject> computed;
  if (!ComputeNode(evaluation, node, computed)) return false;
  structure = Orv::DynamicPointerCast<Orv::INCStruct>(computed);
  return structure || evaluation.Fail("Only a structure has members.");
}

bool Member(Evaluation& evaluation, const Orv::INCObjectExpression* node, const Orv::String& name,
            SmartPointer<Orv::INCObject>& value) {
  SmartPointer<Orv::INCStruct> structure;
  if (!Structure(evaluation, node, structure)) return false;
  return structure->GetMember(name, value) == Orv::ORV_SUCCESS ||
         evaluation.Fail("The structure has no member '" + std::string(name.data(), name.size()) + "'.");
}

void RenderMember(const char* keyword, const Orv::INCObjectExpression* structure, const Orv::String& name,
                  std::string& out) {
  out += '(';
  out += keyword;
  out += ' ';
  RenderObject(structure, out);
  out += ' ';
  out.append(name.data(), name.size());
  out += ')';
}

}  // namespace

SmartPointer<Orv::INCType> MemberTypeOf(const Orv::INCObjectExpression& structure, const Orv::String& name) {
  SmartPointer<Orv::INCType> type, memberType;
  if (structure.GetResultType(type) != Orv::ORV_SUCCESS) return nullptr;
  const auto* structType = dynamic_cast<const Orv::INCStructType*>(type.get());
  if (structType == nullptr) return nullptr;
  Orv::String memberName;
  for (std::int32_t i = 0; i < structType->GetMemberCount(); ++i) {
    if (structType->GetMemberName(i, memberName) == Orv::ORV_SUCCESS && memberName == name &&
        structType->GetMemberType(i, memberType) == Orv::ORV_SUCCESS) {
      return memberType;
    }
  }
  return nullptr;
}

MemberNode::MemberNode(SmartPointer<Orv::INCObjectExpression> structure, Orv::String member,
                       SmartPointer<Orv::INCType> memberType, ExecutionContext& context)
    : LValueNode(ResultTypeOf(std::move(memberType)), context),
      structure_(std::move(structure)),
      member_(std::move(member)) {}

void MemberNode::Render(std::string& out) const {
  RenderMember("member", structure_.get(), member_, out);
}

bool MemberNode::Compute(Evaluation& evaluation, SmartPointer<Orv::INCObject>& value) const {
  return Member(evaluation, structure_.get(), member_, value);
}

bool MemberNode::Store(Evaluation& evaluation, Orv::INCValue* value) const {
  SmartPointer<Orv::INCStruct> structure;
  if (!Structure(evaluation, structure_.get(), structure)) return false;
  return structure->SetMember(member_, value) == Orv::ORV_SUCCESS ||
         evaluation.Fail("The value does not fit the member '" + std::string(member_.data(), member_.size()) + "'.");
}

bool MemberNode::Bind(Evaluation& evaluation, SmartPointer<Orv::INCLValue>& bound) const {
  SmartPointer<Orv::INCStruct> structure;
  if (!Structure(evaluation, structure_.get(), structure)) return false;
  SmartPointer<Orv::INCType> memberType;
  GetResultType(memberType);
  bound = new MemberNode(new ObjectNode(structure), member_, memberType, context());
  return true;
}

FrameComponentNode::FrameComponentNode(SmartPointer<Orv::INCObjectExpression> frame, Orv::String component,
                                       SmartPointer<Orv::INCType> componentType)
    : Node(std::move(componentType)), frame_(std::move(frame)), component_(std::move(component)) {}

void FrameComponentNode::Render(std::string& out) const {
  RenderMember("comp", frame_.get(), component_, out);
}

bool FrameComponentNode::Compute(Evaluation& evaluation, SmartPointer<Orv::INCObject>& value) const {
  return Member(evaluation, frame_.get(), component_, value);
}

}  // namespace Velkor::OrvReference
