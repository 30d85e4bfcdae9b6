// NUMBER: the real number a text spells; a text that is no number fails.
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "controller/methods/number_text.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

bool NumberMethod::GetReturnType(Orv::IExecutionContext* context, SmartPointer<Orv::INCType>& type) {
  return BasicReturnType(context, Orv::BasicType::Real, type);
}

bool NumberMethod::Evaluate(Orv::IExecutionContext* context, Arguments arguments, SmartPointer<Orv::INCObject>& result,
                            std::uint32_t& status, Orv::String& message) {
  Report report(status, message);
  Orv::String text;
  if (!FetchString(arguments, 0, text, report)) return false;
  double number = 0.0;
  if (!ParseNumber(text, number)) return report.Fail(kWrongArgumentType);
  return SetMethodResult(MakeRealValue(*context, number), result, report);
}

}  // namespace Velkor::OrvTessan
