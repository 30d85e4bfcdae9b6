// A controller function that NC expressions call by name.
#pragma once

#include "controller/argument_fetch.h"
#include "controller/report.h"
#include "orv/base.h"
#include "orv/context.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::OrvTessan {

class IMethod {
 public:
  virtual ~IMethod() = default;
  // The method's result type, or null for a method without a value.
  virtual bool GetReturnType(Orv::IExecutionContext* context, Orv::SmartPointer<Orv::INCType>& type) = 0;
  // True on success, with the method's value (if it has one) in `result`; a
  // failure says why through `report`.
  virtual bool Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                        Orv::SmartPointer<Orv::INCObject>& result, Report& report) = 0;
};

}  // namespace Velkor::OrvTessan
