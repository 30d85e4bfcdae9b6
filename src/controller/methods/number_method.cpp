// NUMBER: the real number a text spells; a text that is no number fails.
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "controller/methods/number_text.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool NumberMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                            SmartPointer<Orv::INCObject>& result, Report& report) {
  Orv::String text;
  if (!FetchString(arguments, 0, text, report)) return false;
  double number = 0.0;
  if (!ParseNumber(text, number)) return report.Fail(kWrongArgumentType);
  return SetMethodResult(MakeRealValue(context, number), result, report);
}

}  // namespace Velkor::OrvTessan
