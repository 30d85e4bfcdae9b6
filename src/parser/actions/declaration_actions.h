// Actions of DEF and REDEF: scope, type, scalar and array declarators and
// their initial values.
#pragma once

#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "parser/parse_session.h"

namespace Velkor::OrvTessan {

// Declaration scopes handed to the host.
inline constexpr std::int32_t kChannelScope = 1;
inline constexpr std::int32_t kNcScope = 2;
inline constexpr std::int32_t kLocalScope = 3;

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

// Declares the non-array variable `name` (a string constant) of the given
// type code: AXIS and FRAME through their structure types, every other code
// as a basic type.
void DeclareVariableOfType(ParseSession& session, const Orv::SmartPointer<Orv::INCObjectExpression>& name,
                           std::int32_t typeCode, std::int32_t scope);

}  // namespace Velkor::OrvTessan
