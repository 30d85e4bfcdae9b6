// The forms of the block trace that are more than a node's own rendering:
// argument lists, declared types and declared names.
#pragma once

#include <string>

#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/types.h"
#include "orvref/text_forms.h"
#include "orvref/type_registry.h"

namespace Velkor::OrvReference {

// "-" for no list; otherwise "[a, b] {Name=e, ...}" with "_" for an absent
// argument.
std::string ArgumentsText(const Orv::ArgumentExpressionList* arguments);
void AppendArguments(const Orv::ArgumentExpressionList* arguments, std::string& out);

// A basic type by its name, a registered type by its registered name, an
// array as ARRAY(<element>,<size>[,<size>]), no type as "?", and any other
// structure type as STRUCT.
std::string TypeText(const TypeRegistry& registry, const Orv::INCType* type);

// The text of a constant text expression; false for any other expression.
bool ConstantText(const Orv::INCExpression* expression, Orv::String& text);

}  // namespace Velkor::OrvReference
