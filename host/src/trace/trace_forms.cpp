#include "trace/trace_forms.h"

#include "expressions/constant_node.h"
#include "expressions/node.h"
#include "values/basic_type.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

std::string ArgumentsText(const Orv::ArgumentExpressionList* arguments) {
  std::string text;
  AppendArguments(arguments, text);
  return text;
}

void AppendArguments(const Orv::ArgumentExpressionList* arguments, std::string& out) {
  if (arguments == nullptr) {
    out += '-';
    return;
  }
  if (arguments->GetArgumentListSize() == 0) {
    out += "[] {";  // an address word's list, in one piece
  } else {
    out += '[';
    SmartPointer<Orv::INCObjectExpression> argument;
    for (std::int32_t i = 0; i < arguments->GetArgumentListSize(); ++i) {
      arguments->GetListArgument(i, argument);
      if (i > 0) out += ", ";
      RenderObject(argument.get(), out);
    }
    out += "] {";
  }
  const Orv::String* name = nullptr;
  Orv::INCObjectExpression* named = nullptr;
  for (std::int32_t i = 0; i < arguments->GetMapArgumentCount(); ++i) {
    arguments->ViewMapArgument(i, name, named);
    if (i > 0) out += ", ";
    out.append(name->data(), name->size());
    out += '=';
    RenderObject(named, out);
  }
  out += '}';
}

std::string TypeText(const TypeRegistry& registry, const Orv::INCType* type) {
  if (type == nullptr) return "?";
  std::int32_t code = 0;
  if (BasicTypeCode(type, code)) return IsBasicTypeCode(code) ? BasicTypeName(code) : std::to_string(code);
  if (const Orv::String* name = registry.NameOf(type)) return std::string(name->data(), name->size());
  const auto* array = dynamic_cast<const Orv::INCArrayType*>(type);
  if (array == nullptr) return "STRUCT";
  SmartPointer<Orv::INCType> element;
  array->GetElementType(element);
  std::string text = "ARRAY(" + TypeText(registry, element.get());
  for (std::int32_t dimension = 0; dimension < array->GetDimensionCount(); ++dimension) {
    text += ',' + std::to_string(array->GetDimensionSize(dimension));
  }
  return text + ')';
}

bool ConstantText(const Orv::INCExpression* expression, Orv::String& text) {
  // A constant's value is at hand: evaluating it would set up an evaluation
  // only to hand back that value.
  if (const SmartPointer<BasicValue>* constant = ConstantValueOf(expression)) {
    return (*constant)->code() == Orv::BasicType::String && (*constant)->GetString(text) == Orv::ORV_SUCCESS;
  }
  SmartPointer<Orv::INCValue> value;
  std::int32_t code = 0;
  return expression && expression->GetType(code) == Orv::ORV_SUCCESS && code == Orv::BasicType::String &&
         expression->Evaluate(value) == Orv::ORV_SUCCESS && value->GetString(text) == Orv::ORV_SUCCESS;
}

}  // namespace Velkor::OrvReference
