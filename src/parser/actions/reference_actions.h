// Actions of variable references (plain, R parameters, indexed, frame
// components) and of the three assignment forms.
#pragma once

#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

bool PlainVariable(ParseSession& session, Expr*& result, const char* name);
bool RParameter(ParseSession& session, Expr*& result, std::int32_t number);
bool FrameComponent(ParseSession& session, Expr*& result, const char* name, Expr* axis, const char* component);
bool IndexedVariable(ParseSession& session, Expr*& result, const char* name, Expr* index);
bool FrameArrayComponent(ParseSession& session, Expr*& result, const char* name, Expr* index, Expr* axis,
                         const char* component);
bool DoublyIndexedVariable(ParseSession& session, Expr*& result, const char* name, Expr* firstIndex, Expr* secondIndex);
// A reference used as a value keeps only its expression and type.
Expr* ValueOfReference(Expr* reference);

bool Assignment(ParseSession& session, Expr* target, Expr* value);
bool RepeatAssignment(ParseSession& session, Expr* target, Expr* value);
bool ListAssignment(ParseSession& session, Expr* target, Orv::ArgumentExpressionList* values);

}  // namespace Velkor::OrvTessan
