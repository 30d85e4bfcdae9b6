// The controller functions the method mapper registers. Each is stateless;
// the execution context of the channel comes with every call.
#pragma once

#include "controller/method.h"

namespace Velkor::OrvTessan {

#define TESSAN_METHOD(Name)                                                                                         \
  class Name final : public IMethod {                                                                               \
   public:                                                                                                          \
    bool GetReturnType(Orv::IExecutionContext* context, Orv::SmartPointer<Orv::INCType>& type) override;            \
    bool Evaluate(Orv::IExecutionContext* context, Orv::SmartPointer<Orv::ArgumentTable> arguments,                 \
                  Orv::SmartPointer<Orv::INCObject>& result, std::uint32_t& status, Orv::String& message) override; \
  };

// Values
TESSAN_METHOD(ResetControllerStateMethod)  // (): no effect
TESSAN_METHOD(GetSubProgPosMethod)         // (name, answer): where a subprogram starts
TESSAN_METHOD(GetJointNumberMethod)        // (axis name): the axis index
TESSAN_METHOD(CreateAxisMethod)            // (axis name): an AXIS value
TESSAN_METHOD(NumberMethod)                // (text): the number it spells
TESSAN_METHOD(IsNumberMethod)              // (text): whether it spells a number
TESSAN_METHOD(IsVarMethod)                 // (name): whether it names a variable
TESSAN_METHOD(TruncMethod)                 // (number): truncated toward zero
TESSAN_METHOD(FormatStringMethod)          // (value): its text, reals without trailing zeros

// Frames
TESSAN_METHOD(CreateFrameMethod)         // (), or (component, axis index, value, ...)
TESSAN_METHOD(GetFrameElementMethod)     // (frame, component, axis name)
TESSAN_METHOD(GetFrameFromMatrixMethod)  // (matrix)
TESSAN_METHOD(GetMatrixFromFrameMethod)  // (frame)
TESSAN_METHOD(InvertFrameMethod)         // (frame)
TESSAN_METHOD(MultiplyFramesMethod)      // (frame, frame), or with three geometry axis indices

// Arcs
TESSAN_METHOD(CalculateCenterFromRadiusMethod)  // (x1, y1, x2, y2, radius, flag, answer)

#undef TESSAN_METHOD

}  // namespace Velkor::OrvTessan
