#include "controller/methods/method_support.h"

#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool BasicReturnType(Orv::IExecutionContext* context, std::int32_t typeCode, SmartPointer<Orv::INCType>& type) {
  SmartPointer<Orv::INCBasicType> basic;
  if (context != nullptr) {
    if (const auto factory = context->GetValueFactory()) factory->GetBasicType(typeCode, basic);
  }
  type = basic;
  return true;
}

bool RegisteredReturnType(Orv::IExecutionContext* context, const char* typeName, SmartPointer<Orv::INCType>& type) {
  type.reset();
  Orv::ITypeRegistry* registry = context ? context->GetTypeRegistry() : nullptr;
  return registry != nullptr && registry->FindType(typeName, type) == Orv::ORV_SUCCESS;
}

SmartPointer<Orv::INCStruct> NewStructValue(Orv::IExecutionContext& context, const char* typeName) {
  SmartPointer<Orv::INCType> type;
  Orv::ITypeRegistry* registry = context.GetTypeRegistry();
  if (registry == nullptr || registry->FindType(typeName, type) != Orv::ORV_SUCCESS) return nullptr;
  const auto structType = Orv::DynamicPointerCast<Orv::INCStructType>(type);
  SmartPointer<Orv::INCStruct> value;
  if (structType) structType->CreateValue(value);
  return value;
}

SmartPointer<Orv::INCValue> MakeBoolValue(Orv::IExecutionContext& context, bool value) {
  SmartPointer<Orv::INCValue> made;
  if (const auto factory = context.GetValueFactory()) factory->CreateBoolValue(value, made);
  return made;
}

SmartPointer<Orv::INCValue> MakeIntValue(Orv::IExecutionContext& context, std::int32_t value) {
  SmartPointer<Orv::INCValue> made;
  if (const auto factory = context.GetValueFactory()) factory->CreateIntValue(value, made);
  return made;
}

SmartPointer<Orv::INCValue> MakeRealValue(Orv::IExecutionContext& context, double value) {
  SmartPointer<Orv::INCValue> made;
  if (const auto factory = context.GetValueFactory()) factory->CreateRealValue(value, made);
  return made;
}

SmartPointer<Orv::INCValue> MakeStringValue(Orv::IExecutionContext& context, const Orv::String& value) {
  SmartPointer<Orv::INCValue> made;
  if (const auto factory = context.GetValueFactory()) factory->CreateStringValue(value, made);
  return made;
}

bool SetMethodResult(SmartPointer<Orv::INCObject> value, SmartPointer<Orv::INCObject>& result, Report& report) {
  if (!value) return report.Fail(kInternalError);
  result = std::move(value);
  return true;
}

}  // namespace Velkor::OrvTessan
