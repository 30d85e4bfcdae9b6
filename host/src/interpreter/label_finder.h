// Finds the target of a jump. Labels and the labels of control structures
// come from the label index, which grows as lines are parsed: a search
// forward past the lines indexed so far parses the lines on its way, for
// their labels only. Block numbers are searched line by line (a line is
// parsed when its text starts with the number) and the answer is kept.
#pragma once

#include <map>
#include <tuple>

#include "interpreter/block_parser.h"
#include "interpreter/program_set.h"
#include "orv/base.h"

namespace Velkor::OrvReference {

// The label a structured jump looks for, and the labels that open and close
// the structures nested on the way, which it skips.
struct JumpTarget {
  Orv::String label;
  std::int32_t direction = 0;
  const Orv::String* start = nullptr;
  const Orv::String* end = nullptr;
};

class LabelFinder {
 public:
  LabelFinder(ProgramSet& programs, BlockParser& parser) : programs_(programs), parser_(parser) {}

  // A block parsed to run; it joins the index when it is the next line.
  void Parsed(std::int32_t program, std::int32_t line, const ParsedBlock& block);

  enum class Search { kFound, kMissing, kUnreadable };

  // The label mark the jump at `from` goes to. Direction 0 searches forward
  // from the statement after the jump, 1 backward from the statement before
  // it, 2 forward and then from the start.
  Search Find(std::int32_t program, ProgramPosition from, const JumpTarget& target, ProgramPosition& found);

 private:
  Search FindIndexed(std::int32_t program, ProgramPosition from, bool forward, const JumpTarget& target,
                     ProgramPosition& found);
  Search FindBlockNumber(std::int32_t program, ProgramPosition from, std::int32_t direction, const Orv::String& label,
                         ProgramPosition& found);
  // `ended` tells that the program has no such line.
  Search FindBlockNumberIn(std::int32_t program, std::int32_t line, const Orv::String& label, ProgramPosition& found,
                           bool& ended);
  // Parses the next line not indexed; false at the end of the program or
  // when it cannot be read (`unreadable` tells which).
  bool IndexNextLine(std::int32_t program, bool& unreadable);

  ProgramSet& programs_;
  BlockParser& parser_;
  std::map<std::tuple<std::int32_t, Orv::String, std::int32_t, std::int32_t>, ProgramPosition> blockNumbers_;
};

}  // namespace Velkor::OrvReference
