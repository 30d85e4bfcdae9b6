// The parsers' error routine, shared by the generated parser (a syntax error)
// and the actions (a refused block).
#pragma once

#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

// The text an action passes after storing a more precise message itself.
inline constexpr const char* kSpecialError = "special error";

// Any text but kSpecialError stores message 6 with the consumed prefix of the
// current text; in both cases the message kind becomes 0 and the session's
// scanner drops its buffered input.
int ReportParseError(ParseSession& session, const char* text);

}  // namespace Velkor::OrvTessan
