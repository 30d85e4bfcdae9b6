// TRUNC: a number truncated toward zero to a signed 32-bit integer. A number
// whose truncation does not fit, and NaN, are refused.
#include <cmath>
#include <limits>

#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

bool TruncMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                           SmartPointer<Orv::INCObject>& result, Report& report) {
  double number = 0.0;
  if (!FetchReal(arguments, 0, number, report)) return false;
  const double truncated = std::trunc(number);
  using Limits = std::numeric_limits<std::int32_t>;
  // Written so that NaN fails the test too.
  if (!(truncated >= Limits::min() && truncated <= Limits::max())) return report.Fail(kWrongArgumentType);
  return SetMethodResult(MakeIntValue(context, static_cast<std::int32_t>(truncated)), result, report);
}

}  // namespace Velkor::OrvTessan
