#include "controller/methods/number_text.h"

#include <cstdlib>

namespace Velkor::OrvTessan {

bool ParseNumber(const Orv::String& text, double& number) {
  Orv::String normalised = text;
  for (auto at = normalised.find("EX"); at != Orv::String::npos; at = normalised.find("EX")) {
    normalised.erase(at + 1, 1);
  }
  if (normalised.empty()) return false;
  const char* begin = normalised.c_str();
  char* end = nullptr;
  number = std::strtod(begin, &end);
  return end == begin + normalised.size();
}

}  // namespace Velkor::OrvTessan
