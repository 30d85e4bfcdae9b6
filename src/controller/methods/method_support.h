// Steps shared by the methods: their return types, the values they make and
// how a value becomes a method's result.
#pragma once

#include "controller/argument_fetch.h"
#include "orv/base.h"
#include "orv/context.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::OrvTessan {

// A basic type asked from the value factory; true whatever the answer.
bool BasicReturnType(Orv::IExecutionContext* context, std::int32_t typeCode, Orv::SmartPointer<Orv::INCType>& type);
// A structure type asked from the type registry; true when it is registered.
bool RegisteredReturnType(Orv::IExecutionContext* context, const char* typeName, Orv::SmartPointer<Orv::INCType>& type);

// A new value of a registered structure type (its default value); null when
// the type is missing, is no structure type or refuses to make a value.
Orv::SmartPointer<Orv::INCStruct> NewStructValue(Orv::IExecutionContext& context, const char* typeName);

// Basic values from the context's value factory; null when the host refuses.
Orv::SmartPointer<Orv::INCValue> MakeBoolValue(Orv::IExecutionContext& context, bool value);
Orv::SmartPointer<Orv::INCValue> MakeIntValue(Orv::IExecutionContext& context, std::int32_t value);
Orv::SmartPointer<Orv::INCValue> MakeRealValue(Orv::IExecutionContext& context, double value);
Orv::SmartPointer<Orv::INCValue> MakeStringValue(Orv::IExecutionContext& context, const Orv::String& value);

// Hands `value` over as the method's result. A value that could not be made
// (null) fails with message 4.
bool SetMethodResult(Orv::SmartPointer<Orv::INCObject> value, Orv::SmartPointer<Orv::INCObject>& result,
                     Report& report);

}  // namespace Velkor::OrvTessan
