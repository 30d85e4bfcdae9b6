// Small text helpers of the host; ASCII only, whatever the locale.
#include "orv/string_util.h"

#include <algorithm>

namespace Velkor::Orv {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

}  // namespace

void StringUtil::StripLeadingWhitespaces(String& text) {
  const auto firstKept = std::find_if_not(text.begin(), text.end(), IsBlank);
  text.erase(text.begin(), firstKept);
}

void StringUtil::ToUpper(String& text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

}  // namespace Velkor::Orv
