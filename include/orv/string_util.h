// Host engine: small text helpers.
#pragma once

#include "orv/base.h"

namespace Velkor::Orv {

class ORV_API StringUtil {
 public:
  static void StripLeadingWhitespaces(String& text);
  static void ToUpper(String& text);
};

}  // namespace Velkor::Orv
