// Where the labels of a program stand: every label mark of its lines, from
// the first line to the last one parsed so far, in order. Block numbers are
// left out (a program numbers nearly every block; they are searched for when
// a jump names one), so a straight program keeps the index empty.
#pragma once

#include <compare>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "interpreter/statement.h"
#include "orv/base.h"

namespace Velkor::OrvReference {

// A statement of a program: its line (from 0) and its place in the block.
struct ProgramPosition {
  std::int32_t line = 0;
  std::int32_t item = 0;
  auto operator<=>(const ProgramPosition&) const = default;
};

struct TextHash {
  std::size_t operator()(const Orv::String& text) const {
    return std::hash<std::string_view>()(std::string_view(text.data(), text.size()));
  }
};

// N followed by digits, or ':' followed by digits: the label of a block
// number.
bool IsBlockNumber(const Orv::String& label);

class LabelIndex {
 public:
  // Lines 0 to indexedLines() - 1 are indexed.
  std::int32_t indexedLines() const { return indexedLines_; }
  // Whether the index reaches the end of the program.
  bool complete() const { return complete_; }

  // Adds the labels of line indexedLines().
  void AddLine(const std::vector<Statement>& statements);
  void MarkComplete() { complete_ = true; }

  // Where a label stands, in order; null when it was not seen.
  const std::vector<ProgramPosition>* Positions(const Orv::String& label) const;

 private:
  std::unordered_map<Orv::String, std::vector<ProgramPosition>, TextHash> positions_;
  std::int32_t indexedLines_ = 0;
  bool complete_ = false;
};

}  // namespace Velkor::OrvReference
