// The machine's method mapper: the controller functions by name.
#pragma once

#include <bitset>
#include <climits>
#include <map>
#include <memory>

#include "controller/method.h"
#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/context.h"
#include "orv/plugin.h"
#include "orv/types.h"
#include "orv/values.h"

namespace Velkor::OrvTessan {

class MethodMapper final : public Orv::IMethodMapper {
 public:
  MethodMapper();
  ~MethodMapper() override;

  bool IsMethod(const Orv::String& name) override;
  bool GetMethodReturnType(const Orv::String& name, Orv::IExecutionContext* context,
                           Orv::SmartPointer<Orv::INCType>& type) override;
  Orv::TResult EvaluateMethod(const Orv::String& name, Orv::SmartPointer<Orv::ArgumentTable> arguments,
                              Orv::IExecutionContext* context, Orv::SmartPointer<Orv::INCObject>& result,
                              std::uint32_t& status, Orv::String& message) override;

 private:
  template <class Method>
  void Register(const Orv::String& name);
  template <class Method>
  void RegisterWithBothInitials(const char* name);

  std::map<Orv::String, std::unique_ptr<IMethod>> methods_;
  // The first characters of the names above: most names asked about are
  // variables or host functions, and are refused without a map search.
  std::bitset<1U << CHAR_BIT> initials_;
};

}  // namespace Velkor::OrvTessan
