#include "expressions/constant_node.h"

#include "exact_type.h"
#include "orvref/text_forms.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace BasicCode = Orv::BasicType;

ConstantNode::ConstantNode(SmartPointer<BasicValue> value)
    : ValueNode(BasicResult(value->code())), value_(std::move(value)) {}

void ConstantNode::Render(std::string& out) const {
  const BasicValue::Payload& payload = value_->payload();
  switch (value_->code()) {
    case BasicCode::Bool:
      out += std::get<bool>(payload) ? "TRUE" : "FALSE";
      break;
    case BasicCode::Char:
      AppendQuotedText(std::string_view(&std::get<char>(payload), 1), '\'', out);
      break;
    case BasicCode::Int:
      AppendInteger(std::get<std::int32_t>(payload), out);
      break;
    case BasicCode::Real3:
    case BasicCode::Real:
      AppendRealText(std::get<double>(payload), out);
      break;
    case BasicCode::String: {
      const Orv::String& text = std::get<Orv::String>(payload);
      AppendQuotedText(std::string_view(text.data(), text.size()), '"', out);
      break;
    }
    case BasicCode::Object:
      out += '&';
      RenderObject(std::get<SmartPointer<Orv::INCObject>>(payload).get(), out);
      break;
  }
}

const SmartPointer<BasicValue>* ConstantValueOf(const Orv::INCObject* node) {
  const auto* constant = AsExactly<const ConstantNode>(node);
  return constant ? &constant->value() : nullptr;
}

bool ConstantNode::Compute(Evaluation&, SmartPointer<Orv::INCObject>& value) const {
  value = value_;
  return true;
}

}  // namespace Velkor::OrvReference
