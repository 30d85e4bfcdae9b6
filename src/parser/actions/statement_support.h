// Helpers shared by the statement actions: appending commands to the block,
// building their named arguments, and reading a text the host can already
// compute while the block is parsed.
#pragma once

#include <initializer_list>
#include <string_view>

#include "orv/arguments.h"
#include "orv/base.h"
#include "parser/actions/expression_helpers.h"
#include "parser/actions/host_operators.h"

namespace Velkor::OrvTessan {

// One named (map) argument of a command; an empty expression is registered
// as an absent argument. Lives only as long as the call it is handed to.
struct NamedArgument {
  const Orv::String& name;
  const ExpressionRef& expression;
};

void RegisterNamedArguments(Orv::ArgumentExpressionList& list, std::initializer_list<NamedArgument> arguments);
// A new list holding `arguments` as map arguments, in the order given.
Orv::SmartPointer<Orv::ArgumentExpressionList> NamedArguments(std::initializer_list<NamedArgument> arguments);

// Appends the command `name` to the block; `arguments` may be null (a
// command without any argument list).
void AppendCommand(ParseSession& session, std::string_view name, Orv::ArgumentExpressionList* arguments,
                   std::int32_t flag);

// The text of an expression that needs no running program (constants and
// operators on them); false when the host cannot compute it now.
bool TextKnownAtParseTime(const ExpressionRef& expression, Orv::String& text);

}  // namespace Velkor::OrvTessan
