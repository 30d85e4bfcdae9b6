// The value record a scanner instance fills for each token it delivers.
#pragma once

#include <cstddef>
#include <cstdint>

#include "parser/parser_types.h"

namespace Velkor::OrvTessan {

// One fixed-size record seen through one of three views: a zero-terminated
// text, an integer, or an address word. A token writes at most one view and
// `view` says which; kNone means the record still holds what an earlier
// token left there.
struct TokenValue {
  static constexpr std::size_t kSize = 512;
  static constexpr std::size_t kMaxTextLength = kSize - 1;
  static constexpr std::size_t kMaxAddressNameLength = sizeof(AddressWord::name) - 1;
  enum class View { kNone, kText, kInteger, kAddress };

  View view = View::kNone;
  std::size_t textLength = 0;  // of the text view, without its terminator
  union {
    char text[kSize];
    std::int32_t integer;
    AddressWord address;
  };
};

static_assert(sizeof(TokenValue::text) == TokenValue::kSize && sizeof(AddressWord) <= TokenValue::kSize);

}  // namespace Velkor::OrvTessan
