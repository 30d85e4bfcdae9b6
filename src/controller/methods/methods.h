// The controller functions the method mapper registers. Each is stateless;
// the execution context of the channel comes with every call.
#pragma once

#include "controller/controller_types.h"
#include "controller/method.h"
#include "controller/methods/method_support.h"
#include "orv/base.h"
#include "orv/context.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::OrvTessan {

// What a method's value is, which its return type tells the host: a basic
// type, a registered structure type, or nothing.
template <std::int32_t kTypeCode>
class BasicValueMethod : public IMethod {
 public:
  bool GetReturnType(Orv::IExecutionContext* context, Orv::SmartPointer<Orv::INCType>& type) final {
    return BasicReturnType(context, kTypeCode, type);
  }
};

using IntValueMethod = BasicValueMethod<Orv::BasicType::Int>;
using RealValueMethod = BasicValueMethod<Orv::BasicType::Real>;
using BoolValueMethod = BasicValueMethod<Orv::BasicType::Bool>;
using StringValueMethod = BasicValueMethod<Orv::BasicType::String>;
using ObjectValueMethod = BasicValueMethod<Orv::BasicType::Object>;  // a reference value

class FrameValueMethod : public IMethod {
 public:
  bool GetReturnType(Orv::IExecutionContext* context, Orv::SmartPointer<Orv::INCType>& type) final {
    return RegisteredReturnType(context, kFrameTypeName, type);
  }
};

class AxisValueMethod : public IMethod {
 public:
  bool GetReturnType(Orv::IExecutionContext* context, Orv::SmartPointer<Orv::INCType>& type) final {
    return RegisteredReturnType(context, kAxisTypeName, type);
  }
};

class NoValueMethod : public IMethod {
 public:
  bool GetReturnType(Orv::IExecutionContext*, Orv::SmartPointer<Orv::INCType>& type) final {
    type.reset();
    return true;
  }
};

#define TESSAN_METHOD(Name, Value)                                                     \
  class Name final : public Value {                                                    \
   public:                                                                             \
    bool Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,         \
                  Orv::SmartPointer<Orv::INCObject>& result, Report& report) override; \
  };

// Values
TESSAN_METHOD(ResetControllerStateMethod, NoValueMethod)  // (): no effect
TESSAN_METHOD(GetSubProgPosMethod, NoValueMethod)         // (name, answer): where a subprogram starts
TESSAN_METHOD(GetJointNumberMethod, IntValueMethod)       // (axis name): the axis index
TESSAN_METHOD(CreateAxisMethod, AxisValueMethod)          // (axis name): an AXIS value
TESSAN_METHOD(NumberMethod, RealValueMethod)              // (text): the number it spells
TESSAN_METHOD(IsNumberMethod, BoolValueMethod)            // (text): whether it spells a number
TESSAN_METHOD(IsVarMethod, BoolValueMethod)               // (name): whether it names a variable
TESSAN_METHOD(TruncMethod, IntValueMethod)                // (number): truncated toward zero
TESSAN_METHOD(FormatStringMethod, StringValueMethod)      // (value): its text, reals without trailing zeros

// Frames
TESSAN_METHOD(CreateFrameMethod, FrameValueMethod)          // (), or (component, axis index, value, ...)
TESSAN_METHOD(GetFrameElementMethod, RealValueMethod)       // (frame, component, axis name)
TESSAN_METHOD(GetFrameFromMatrixMethod, FrameValueMethod)   // (matrix)
TESSAN_METHOD(GetMatrixFromFrameMethod, ObjectValueMethod)  // (frame)
TESSAN_METHOD(InvertFrameMethod, FrameValueMethod)          // (frame)
TESSAN_METHOD(MultiplyFramesMethod, FrameValueMethod)       // (frame, frame), or with three geometry axis indices

// Arcs
TESSAN_METHOD(CalculateCenterFromRadiusMethod, NoValueMethod)  // (x1, y1, x2, y2, radius, flag, answer)

#undef TESSAN_METHOD

}  // namespace Velkor::OrvTessan
