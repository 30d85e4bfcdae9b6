// Actions of the block frame: header, language switch, skip level, block
// number, label, comment, DEFINE and MSG.
#pragma once

#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

bool ProgramHeader(ParseSession& session, const char* header);
bool ControllerLanguageSwitch(ParseSession& session);
void SkipLevel(ParseSession& session, std::int32_t level);
bool BlockNumber(ParseSession& session, const char* prefix, const char* digits);
// The label position of the block has passed: no label may follow.
void EndOfLabelPosition(ParseSession& session);
bool LabelDeclaration(ParseSession& session, const char* label);
bool Comment(ParseSession& session, const char* text);
void DefineMacro(ParseSession& session, const char* name, const char* value);
// MSG with a text, or with the empty text when `text` is null.
bool Message(ParseSession& session, Expr* text);

}  // namespace Velkor::OrvTessan
