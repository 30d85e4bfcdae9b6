// Actions of variable references: plain names, R parameters, indexed
// variables and frame components.
#pragma once

#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

bool PlainVariable(ParseSession& session, Expr*& result, const char* name);
// An R parameter is an element of basic type: its reference keeps no parts
// beside expression and type, so that it serves as a value as it is.
bool RParameter(ParseSession& session, Expr*& result, std::int32_t number);
bool FrameComponent(ParseSession& session, Expr*& result, const char* name, Expr* axis, const char* component);
bool IndexedVariable(ParseSession& session, Expr*& result, const char* name, Expr* index);
bool FrameArrayComponent(ParseSession& session, Expr*& result, const char* name, Expr* index, Expr* axis,
                         const char* component);
bool DoublyIndexedVariable(ParseSession& session, Expr*& result, const char* name, Expr* firstIndex, Expr* secondIndex);
// A reference used as a value keeps only its expression and type.
Expr* ValueOfReference(Expr* reference);

}  // namespace Velkor::OrvTessan
