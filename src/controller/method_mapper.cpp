#include "controller/method_mapper.h"

#include "frame/messages.h"
#include "frame/results.h"

namespace Velkor::OrvTessan {

MethodMapper::MethodMapper() = default;
MethodMapper::~MethodMapper() = default;

bool MethodMapper::IsMethod(const Orv::String& name) { return methods_.count(name) != 0; }

bool MethodMapper::GetMethodReturnType(const Orv::String& name, Orv::IExecutionContext* context,
                                       Orv::SmartPointer<Orv::INCType>& type) {
  const auto found = methods_.find(name);
  return found != methods_.end() && found->second->GetReturnType(context, type);
}

Orv::TResult MethodMapper::EvaluateMethod(const Orv::String& name, Orv::SmartPointer<Orv::ArgumentTable> arguments,
                                          Orv::IExecutionContext* context, Orv::SmartPointer<Orv::INCObject>& result,
                                          std::uint32_t& status, Orv::String& message) {
  const auto found = methods_.find(name);
  if (found == methods_.end()) {
    status = 0;
    message = FormatMessage(kUnknownMethod, name.c_str());
    return kFailure;
  }
  message.clear();
  if (found->second->Evaluate(context, std::move(arguments), result, status, message)) return kSuccess;
  if (message.empty()) message = FormatMessage(kInternalError);
  return kFailure;
}

}  // namespace Velkor::OrvTessan
