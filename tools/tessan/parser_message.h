// The message out-parameters of a parser call, and whether it wrote them.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "json_writer.h"
#include "orv/base.h"

namespace Velkor::Tessan {

struct ParserMessage {
  static constexpr std::int32_t kUnwritten = std::numeric_limits<std::int32_t>::min();

  std::int32_t kind = kUnwritten;
  Orv::String text;

  bool Written() const { return kind != kUnwritten || !text.empty(); }
  // "<kind> <text>", each "-" when it was not written.
  std::string Fields() const;
  // An object of "kind" and "message", each null when it was not written.
  void WriteJson(JsonWriter& json) const;
};

}  // namespace Velkor::Tessan
