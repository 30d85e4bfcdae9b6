// What tessan check counts: blocks read, blocks refused, notices given.
#pragma once

#include <cstdint>
#include <string>

namespace Velkor::Tessan {

struct CheckCounts {
  std::uint64_t blocks = 0;
  std::uint64_t errors = 0;
  std::uint64_t warnings = 0;

  CheckCounts& operator+=(const CheckCounts& other) {
    blocks += other.blocks;
    errors += other.errors;
    warnings += other.warnings;
    return *this;
  }
  // "N blocks, E errors, W warnings", each noun in the singular for 1.
  std::string Summary() const;
};

}  // namespace Velkor::Tessan
