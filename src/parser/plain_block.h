// Most blocks of a CAM program are nothing but plain words: a block number,
// G and M words with a number, addresses with a signed constant, maybe a
// comment (N10 G1 Y2 F1200 ;ROUGH). Running the generated scanner and
// parser over them costs more than building their statements, so the block
// driver reads such a block directly: it runs the actions the grammar would
// run, in the grammar's order, and notes the scanner's match starts as far as
// the scanner would have read when each action runs (an action that refuses
// the block quotes what was read). Whatever is not plainly such a block goes
// to the grammar untouched.
#pragma once

#include <string_view>

#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

enum class PlainBlockReading {
  kNotPlain,  // nothing done: the grammar reads the block
  kAccepted,
  kRefused,  // an action refused the block and stored its message
};

// Reads the current text of the session's state as a plain-word block when it
// is one. Only for the main pass of a block over a text no pre-scan expanded,
// with the flags the block driver starts it with.
PlainBlockReading ReadPlainBlock(ParseSession& session);

// Whether ReadPlainBlock would read the upper-cased `text` itself.
bool IsPlainBlock(std::string_view text);

}  // namespace Velkor::OrvTessan
