// The items of the block trace as JSON objects with named fields. The fields
// are read back from the item's trace line, whose layout each item kind
// fixes; expressions stay in the trace's prefix form.
#pragma once

#include <string_view>
#include <vector>

#include "json_writer.h"
#include "orvref/parse_context.h"

namespace Velkor::Tessan {

// `{"item":"COMMAND","name":"G1","flag":1,"arguments":null}` and so on.
void WriteItemJson(JsonWriter& json, OrvReference::RecordingParseContext::ItemKind kind, std::string_view line);

// The pieces of `text` between the occurrences of `separator` that stand
// outside quotes and brackets; one empty piece for an empty text.
std::vector<std::string_view> SplitTopLevel(std::string_view text, std::string_view separator);

}  // namespace Velkor::Tessan
