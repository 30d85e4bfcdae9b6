// ResetControllerState: the controller keeps no state of its own to reset.
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"

namespace Velkor::OrvTessan {

bool ResetControllerStateMethod::GetReturnType(Orv::IExecutionContext*, SmartPointer<Orv::INCType>& type) {
  return NoReturnType(type);
}

bool ResetControllerStateMethod::Evaluate(Orv::IExecutionContext*, Arguments, SmartPointer<Orv::INCObject>& result,
                                          std::uint32_t&, Orv::String&) {
  result.reset();
  return true;
}

}  // namespace Velkor::OrvTessan
