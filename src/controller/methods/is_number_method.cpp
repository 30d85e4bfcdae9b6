// ISNUMBER: whether a text spells a number, as NUMBER reads it.
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "controller/methods/number_text.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool IsNumberMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                              SmartPointer<Orv::INCObject>& result, Report& report) {
  Orv::String text;
  if (!FetchString(arguments, 0, text, report)) return false;
  double number = 0.0;
  return SetMethodResult(MakeBoolValue(context, ParseNumber(text, number)), result, report);
}

}  // namespace Velkor::OrvTessan
