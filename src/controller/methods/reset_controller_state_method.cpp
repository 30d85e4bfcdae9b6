// ResetControllerState: the controller keeps no state of its own to reset.
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool ResetControllerStateMethod::Evaluate(Orv::IExecutionContext&, const Arguments&,
                                          SmartPointer<Orv::INCObject>& result, Report&) {
  result.reset();
  return true;
}

}  // namespace Velkor::OrvTessan
