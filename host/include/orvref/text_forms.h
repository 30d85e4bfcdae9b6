// Reference host: the text forms of numbers and texts shared by value
// reading, the block trace and the tools.
#pragma once

#include <string>
#include <string_view>

#include "orv/values.h"

namespace Velkor::OrvReference {

// The shortest text that reads back to the same double, with ".0" added when
// it has neither a point nor an exponent nor letters: 12.5, 12.0, 1e-07.
std::string RealText(double value);

// The text between `quote` characters; the quote and the backslash are
// escaped with a backslash, bytes below 32 or above 126 as \xHH.
std::string QuotedText(std::string_view text, char quote);

// An expression made by this host in the prefix form of the block trace;
// "_" for none.
std::string ExpressionText(const Orv::INCObject* expression);

// The same forms appended to `out`, for texts built in one buffer.
void AppendRealText(double value, std::string& out);
void AppendQuotedText(std::string_view text, char quote, std::string& out);
void AppendExpressionText(const Orv::INCObject* expression, std::string& out);
// A decimal number, `-` for negatives.
void AppendInteger(std::int64_t value, std::string& out);

}  // namespace Velkor::OrvReference
