// A controller function that NC expressions call by name.
#pragma once

#include <orv/orv.h>

namespace Velkor::OrvTessan {

class IMethod {
 public:
  virtual ~IMethod() = default;
  // The method's result type, or null for a method without a value.
  virtual bool GetReturnType(Orv::IExecutionContext* context, Orv::SmartPointer<Orv::INCType>& type) = 0;
  // True on success; a failure sets `status` to 0 and writes `message`.
  virtual bool Evaluate(Orv::IExecutionContext* context, Orv::SmartPointer<Orv::ArgumentTable> arguments,
                        Orv::SmartPointer<Orv::INCObject>& result, std::uint32_t& status, Orv::String& message) = 0;
};

}  // namespace Velkor::OrvTessan
