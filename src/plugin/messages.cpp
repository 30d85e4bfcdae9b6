// The message catalogue and its formatting.
#include "plugin/messages.h"

#include <array>
#include <cstdarg>

#include "mirel/format.h"

namespace Velkor::OrvTessan {
namespace {

constexpr std::array<const char*, 14> kCatalogue = {
    "Wrong argument count in command.",
    "An argument has the wrong type.",
    "There is no registered axis with the name '%s'.",
    "Internal error.",
    "Unknown command ('%s') was encountered.",
    "Parse error after reading '%s'.",
    "An unknown method ('%s') was encountered.",
    "The variable '%s' hasn't been declared yet.",
    "The variable '%s' has a wrong type.",
    "Wrong index type.",
    "The programmed radius is too small.",
    "There was no EXTERN declaration for the subprogram '%s'. All parameters are passed by reference.",
    "Array bounds exceeded.",
    "The current line exceeds the maximum length permitted by the controller.",
};

}  // namespace

Orv::String FormatMessage(int number, ...) {
  if (number < 1 || number > static_cast<int>(kCatalogue.size())) return "Unknown ORV Message.";
  va_list arguments;
  va_start(arguments, number);
  char* formatted = SM_vsprintf(kCatalogue[number - 1], arguments);
  va_end(arguments);
  if (formatted == nullptr) return kCatalogue[kInternalError - 1];
  Orv::String text(formatted);
  SM_free(formatted);
  return text;
}

}  // namespace Velkor::OrvTessan
