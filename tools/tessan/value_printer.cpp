#include "value_printer.h"

#include <cmath>
#include <cstdio>

#include "orvref/text_forms.h"

namespace Velkor::Tessan {
namespace {

using Orv::SmartPointer;

// %.12g with ".0" added to a text with neither point nor exponent; below
// 1e-10 in magnitude the number is 0.0, so that rounding noise does not show.
std::string RealText(double number) {
  if (std::fabs(number) < 1e-10) return "0.0";
  char text[32];
  std::snprintf(text, sizeof text, "%.12g", number);
  std::string result = text;
  if (std::isfinite(number) && result.find_first_of(".e") == std::string::npos) result += ".0";
  return result;
}

std::string MatrixText(const Orv::Matrix& matrix) {
  std::string text = "MATRIX[";
  for (int row = 0; row < 4; ++row) {
    text += row == 0 ? "[" : ", [";
    for (int column = 0; column < 4; ++column) text += (column == 0 ? "" : ", ") + RealText(matrix(row, column));
    text += ']';
  }
  return text + ']';
}

std::string BasicText(const Orv::INCValue& value) {
  SmartPointer<Orv::INCType> type;
  value.GetType(type);
  const auto* basic = dynamic_cast<const Orv::INCBasicType*>(type.get());
  const std::int32_t code = basic ? basic->GetTypeCode() : Orv::BasicType::Object;
  double number = 0.0;
  Orv::String text;
  if (code == Orv::BasicType::Real || code == Orv::BasicType::Real3) {
    value.GetReal(number);
    return RealText(number);
  }
  if (code != Orv::BasicType::Object) {
    value.GetString(text);
    const std::string_view view(text.data(), text.size());
    if (code == Orv::BasicType::String) return OrvReference::QuotedText(view, '"');
    return code == Orv::BasicType::Char ? OrvReference::QuotedText(view, '\'') : std::string(view);
  }
  SmartPointer<Orv::INCObject> carried;
  value.GetReferencedObject(carried);
  if (const auto* matrix = dynamic_cast<const Orv::NCMCLMatrix*>(carried.get())) return MatrixText(matrix->GetMatrix());
  return '&' + OrvReference::ExpressionText(carried.get());
}

// Reals as RealText, anything else as ValueText.
std::string ElementText(Orv::INCArray& array, std::int32_t index, OrvReference::ExecutionContext& context) {
  SmartPointer<Orv::INCObject> element;
  array.GetElement(1, &index, element);
  double number = 0.0;
  const auto* value = dynamic_cast<const Orv::INCValue*>(element.get());
  return value && value->GetReal(number) == Orv::ORV_SUCCESS ? RealText(number) : ValueText(element.get(), context);
}

std::string ArrayText(Orv::INCArray& array, OrvReference::ExecutionContext& context) {
  SmartPointer<Orv::INCType> type;
  array.GetType(type);
  const auto& arrayType = dynamic_cast<const Orv::INCArrayType&>(*type);
  const std::int32_t rows = arrayType.GetDimensionSize(0);
  const std::int32_t columns = arrayType.GetDimensionCount() == 2 ? arrayType.GetDimensionSize(1) : 0;
  std::string text = "[";
  for (std::int32_t row = 0; row < rows; ++row) {
    if (row > 0) text += ", ";
    if (columns == 0) {
      text += ElementText(array, row, context);
      continue;
    }
    text += '[';
    for (std::int32_t column = 0; column < columns; ++column) {
      const std::int32_t indices[] = {row, column};
      SmartPointer<Orv::INCObject> element;
      array.GetElement(2, indices, element);
      text += (column == 0 ? "" : ", ") + ValueText(element.get(), context);
    }
    text += ']';
  }
  return text + ']';
}

// FRAME{TR[X]=10.0, ...}: the elements whose text differs from the default
// frame's, in member order and then axis order.
std::string FrameText(Orv::INCStruct& frame, const Orv::INCStructType& type, OrvReference::ExecutionContext& context) {
  SmartPointer<Orv::INCStruct> standard;
  type.CreateValue(standard);
  const std::vector<Orv::String>& axes = context.channel().axes();
  std::string text;
  Orv::String name;
  for (std::int32_t member = 0; member < type.GetMemberCount(); ++member) {
    type.GetMemberName(member, name);
    SmartPointer<Orv::INCObject> component, standardComponent;
    frame.GetMember(name, component);
    standard->GetMember(name, standardComponent);
    auto* values = dynamic_cast<Orv::INCArray*>(component.get());
    auto* defaults = dynamic_cast<Orv::INCArray*>(standardComponent.get());
    if (values == nullptr || defaults == nullptr) continue;
    SmartPointer<Orv::INCType> componentType;
    values->GetType(componentType);
    const std::int32_t size = dynamic_cast<const Orv::INCArrayType&>(*componentType).GetDimensionSize(0);
    for (std::int32_t axis = 0; axis < size; ++axis) {
      const std::string element = ElementText(*values, axis, context);
      if (element == ElementText(*defaults, axis, context)) continue;
      const std::string axisName = static_cast<std::size_t>(axis) < axes.size()
                                       ? std::string(axes[static_cast<std::size_t>(axis)].c_str())
                                       : std::to_string(axis);
      text += (text.empty() ? "" : ", ") + std::string(name.c_str()) + '[' + axisName + "]=" + element;
    }
  }
  return "FRAME{" + text + '}';
}

// <TYPE>{Member=value, ...} with every member.
std::string StructText(Orv::INCStruct& structure, const Orv::INCStructType& type,
                       OrvReference::ExecutionContext& context) {
  const Orv::String* typeName = context.types().NameOf(&type);
  std::string text = typeName ? typeName->c_str() : "STRUCT";
  text += '{';
  Orv::String name;
  for (std::int32_t member = 0; member < type.GetMemberCount(); ++member) {
    type.GetMemberName(member, name);
    SmartPointer<Orv::INCObject> value;
    structure.GetMember(name, value);
    text += (member == 0 ? "" : ", ") + std::string(name.c_str()) + '=' + ValueText(value.get(), context);
  }
  return text + '}';
}

}  // namespace

std::string ValueText(Orv::INCObject* value, OrvReference::ExecutionContext& context) {
  if (value == nullptr) return "_";
  if (const auto* basic = dynamic_cast<const Orv::INCValue*>(value)) return BasicText(*basic);
  if (auto* array = dynamic_cast<Orv::INCArray*>(value)) return ArrayText(*array, context);
  auto* structure = dynamic_cast<Orv::INCStruct*>(value);
  if (structure == nullptr) return OrvReference::ExpressionText(value);
  SmartPointer<Orv::INCType> type, frameType;
  structure->GetType(type);
  const auto& structType = dynamic_cast<const Orv::INCStructType&>(*type);
  if (context.types().FindType("FRAME", frameType) == Orv::ORV_SUCCESS && frameType.get() == type.get()) {
    return FrameText(*structure, structType, context);
  }
  return StructText(*structure, structType, context);
}

}  // namespace Velkor::Tessan
