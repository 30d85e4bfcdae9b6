// The plug-in's message catalogue. Every error reported to the host is one of
// these fourteen numbered texts, formatted printf-style.
#pragma once

#include "orv/base.h"

namespace Velkor::OrvTessan {

enum Message : int {
  kWrongArgumentCount = 1,
  kWrongArgumentType = 2,
  kUnknownAxis = 3,  // %s: the axis name
  kInternalError = 4,
  kUnknownCommand = 5,      // %s: the command name
  kParseErrorAfter = 6,     // %s: the text read so far
  kUnknownMethod = 7,       // %s: the method name
  kUndeclaredVariable = 8,  // %s: the variable name
  kWrongVariableType = 9,   // %s: the variable name
  kWrongIndexType = 10,
  kRadiusTooSmall = 11,
  kNoExternDeclaration = 12,  // %s: the subprogram name
  kArrayBoundsExceeded = 13,
  kLineTooLong = 14,
};

// The catalogue text of `number` formatted with the arguments its format asks
// for (one zero-terminated string per %s); "Unknown ORV Message." for a
// number outside the catalogue.
Orv::String FormatMessage(int number, ...);

}  // namespace Velkor::OrvTessan
