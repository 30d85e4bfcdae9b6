#include "expressions/constant_node.h"

#include "orvref/text_forms.h"

namespace Velkor::OrvReference {

namespace BasicCode = Orv::BasicType;

ConstantNode::ConstantNode(SmartPointer<BasicValue> value)
    : ValueNode(BasicResultType(true, value->code())), value_(std::move(value)) {}

void ConstantNode::Render(std::string& out) const {
  const BasicValue::Payload& payload = value_->payload();
  switch (value_->code()) {
    case BasicCode::Char:
      out += QuotedText(std::string_view(&std::get<char>(payload), 1), '\'');
      break;
    case BasicCode::String: {
      const Orv::String& text = std::get<Orv::String>(payload);
      out += QuotedText(std::string_view(text.data(), text.size()), '"');
      break;
    }
    case BasicCode::Object:
      out += '&';
      RenderObject(std::get<SmartPointer<Orv::INCObject>>(payload).get(), out);
      break;
    default: {
      Orv::String text;
      value_->GetString(text);
      out.append(text.data(), text.size());
    }
  }
}

bool ConstantNode::Compute(Evaluation&, SmartPointer<Orv::INCObject>& value) const {
  value = value_;
  return true;
}

}  // namespace Velkor::OrvReference
