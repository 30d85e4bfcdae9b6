#include "settings.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace Velkor::Tessan {
namespace {

using Orv::SmartPointer;

bool IsInteger(const std::string& text) {
  const std::size_t digits = (text[0] == '+' || text[0] == '-') ? 1 : 0;
  return text.size() > digits && text.find_first_not_of("0123456789", digits) == std::string::npos;
}

// Digits with a point or an exponent, in decimal (strtod also reads
// hexadecimal numbers, infinities and NaNs, which NC text cannot write).
bool IsDecimalReal(const std::string& text) {
  return text.find_first_of(".eE") != std::string::npos &&
         text.find_first_not_of("0123456789+-.eE") == std::string::npos;
}

}  // namespace

SmartPointer<Orv::INCValue> SettingValue(Orv::IValueFactory& values, const std::string& text, std::string& error) {
  SmartPointer<Orv::INCValue> value;
  if (text == "TRUE" || text == "FALSE") {
    values.CreateBoolValue(text == "TRUE", value);
  } else if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    values.CreateStringValue(text.substr(1, text.size() - 2).c_str(), value);
  } else if (!text.empty() && IsInteger(text)) {
    errno = 0;
    const long long number = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == 0 && number >= std::numeric_limits<std::int32_t>::min() &&
        number <= std::numeric_limits<std::int32_t>::max()) {
      values.CreateIntValue(static_cast<std::int32_t>(number), value);
    } else {
      error = "'" + text + "' lies outside the range of an INT";
    }
  } else if (IsDecimalReal(text)) {
    char* end = nullptr;
    errno = 0;
    const double number = std::strtod(text.c_str(), &end);
    if (*end != '\0') {
      error = "'" + text + "' is no BOOL, INT, REAL or STRING value";
    } else if (errno == ERANGE && (std::isinf(number) || number == 0)) {
      error = "'" + text + "' lies outside the range of a REAL";
    } else {
      values.CreateRealValue(number, value);
    }
  }
  if (!value && error.empty()) error = "'" + text + "' is no BOOL, INT, REAL or STRING value";
  return value;
}

}  // namespace Velkor::Tessan
