// Actions of DEF and REDEF: scope, type, scalar and array declarators and
// their initial values.
#pragma once

#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

// The scope of a DEF without CHAN or NCK.
std::int32_t UnqualifiedScope(ParseSession& session);
// Records scope and type for the declarators of the DEF that follow.
void BeginDeclaration(ParseSession& session, std::int32_t scope, std::int32_t typeCode);
bool DeclareScalar(ParseSession& session, const char* name, Expr* initialValue);
bool DeclareArray(ParseSession& session, const char* name, std::int32_t size, ArrayInitializer* initializer);
bool DeclareTwoDimensionalArray(ParseSession& session, const char* name, std::int32_t rows, std::int32_t columns,
                                ArrayInitializer* initializer);
bool Redeclare(ParseSession& session, const char* name);

// Values assigned one after the other (`values` may be null: none given).
ArrayInitializer* ListInitializer(ParseSession& session, Orv::ArgumentExpressionList* values);
// One value repeated over the array.
ArrayInitializer* RepeatInitializer(ParseSession& session, Expr* value);

}  // namespace Velkor::OrvTessan
