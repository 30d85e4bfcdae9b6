// FormatString: the text form of a basic value. The text of a real number in
// plain decimal notation loses its trailing zeros, and its point when nothing
// follows it (12.500 gives 12.5, 12.000 gives 12); a text with an exponent
// keeps every digit, since its zeros may belong to the exponent.
#include <algorithm>
#include <cctype>

#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

// An optional sign, digits and exactly one point.
bool IsPlainDecimal(const Orv::String& text) {
  const std::size_t digitsStart = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  const auto isDigit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
  const auto points = std::count(text.begin(), text.end(), '.');
  return points == 1 && std::all_of(text.begin() + static_cast<std::ptrdiff_t>(digitsStart), text.end(),
                                    [&](char c) { return c == '.' || isDigit(c); });
}

void TrimFraction(Orv::String& text) {
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
}

}  // namespace

bool FormatStringMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                                  SmartPointer<Orv::INCObject>& result, Report& report) {
  const auto value = FetchValueArgument(arguments, 0, report);
  if (!value) return false;
  SmartPointer<Orv::INCType> type;
  value->GetType(type);
  const auto basic = Orv::DynamicPointerCast<Orv::INCBasicType>(type);
  Orv::String text;
  if (!basic || value->GetString(text) != Orv::ORV_SUCCESS) return report.Fail(kWrongArgumentType);

  const std::int32_t typeCode = basic->GetTypeCode();
  const bool real = typeCode == Orv::BasicType::Real || typeCode == Orv::BasicType::Real3;
  if (real && IsPlainDecimal(text)) TrimFraction(text);
  return SetMethodResult(MakeStringValue(context, text), result, report);
}

}  // namespace Velkor::OrvTessan
