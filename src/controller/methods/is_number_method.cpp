// ISNUMBER: whether a text spells a number, as NUMBER reads it.
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "controller/methods/number_text.h"

namespace Velkor::OrvTessan {

bool IsNumberMethod::GetReturnType(Orv::IExecutionContext* context, SmartPointer<Orv::INCType>& type) {
  return BasicReturnType(context, Orv::BasicType::Bool, type);
}

bool IsNumberMethod::Evaluate(Orv::IExecutionContext* context, Arguments arguments,
                              SmartPointer<Orv::INCObject>& result, std::uint32_t& status, Orv::String& message) {
  Report report(status, message);
  Orv::String text;
  if (!FetchString(arguments, 0, text, report)) return false;
  double number = 0.0;
  return SetMethodResult(MakeBoolValue(*context, ParseNumber(text, number)), result, report);
}

}  // namespace Velkor::OrvTessan
