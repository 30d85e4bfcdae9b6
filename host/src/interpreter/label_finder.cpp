#include "interpreter/label_finder.h"

#include <algorithm>
#include <array>

namespace Velkor::OrvReference {
namespace {

using Positions = std::vector<ProgramPosition>;

// Whether a line's text starts with the block number `label` (after
// blanks and a skip mark), as the scanner reads a block number.
bool StartsWithBlockNumber(const Orv::String& text, const Orv::String& label) {
  std::size_t at = text.find_first_not_of(" \t");
  if (at != Orv::String::npos && text[at] == '/') {
    at = text.find_first_not_of("0123456789", at + 1);
    if (at != Orv::String::npos) at = text.find_first_not_of(" \t", at);
  }
  if (at == Orv::String::npos || text.size() - at < label.size()) return false;
  const char first = text[at] == 'n' ? 'N' : text[at];
  if (first != label[0] || text.compare(at + 1, label.size() - 1, label, 1) != 0) return false;
  const std::size_t after = at + label.size();
  return after == text.size() || text[after] < '0' || text[after] > '9';
}

// The label mark `label` in a parsed block; -1 when there is none.
std::int32_t LabelItem(const ParsedBlock& block, const Orv::String& label) {
  for (std::size_t item = 0; item < block.statements.size(); ++item) {
    const Statement& statement = block.statements[item];
    if (statement.kind == Statement::Kind::kLabel && statement.text == label) return static_cast<std::int32_t>(item);
  }
  return -1;
}

// One of the labels a search follows, with its roles.
struct Track {
  const Orv::String* text;
  bool target = false;
  bool start = false;
  bool end = false;
  // Forward: the next position to look at. Backward: one past it.
  std::size_t next = 0;
};

}  // namespace

void LabelFinder::Parsed(std::int32_t program, std::int32_t line, const ParsedBlock& block) {
  LabelIndex& labels = programs_.labels(program);
  if (line == labels.indexedLines()) labels.AddLine(block.statements);
}

bool LabelFinder::IndexNextLine(std::int32_t program, bool& unreadable) {
  LabelIndex& labels = programs_.labels(program);
  unreadable = false;
  if (labels.complete()) return false;
  const std::int32_t line = labels.indexedLines();
  Orv::String text;
  switch (programs_.file(program).ReadLine(line, text)) {
    case ProgramFile::Read::kEnd:
      labels.MarkComplete();
      return false;
    case ProgramFile::Read::kError:
      unreadable = true;
      return false;
    case ProgramFile::Read::kTooLong:
      // A block no parse accepts holds no label.
      labels.AddLine({});
      return true;
    case ProgramFile::Read::kLine:
      break;
  }
  labels.AddLine(parser_.ParseForLabels(program, line, text)->statements);
  return true;
}

LabelFinder::Search LabelFinder::FindIndexed(std::int32_t program, ProgramPosition from, bool forward,
                                             const JumpTarget& target, ProgramPosition& found) {
  LabelIndex& labels = programs_.labels(program);
  std::array<Track, 3> tracks{};
  std::size_t trackCount = 0;
  auto follow = [&](const Orv::String* text, bool Track::*role) {
    for (std::size_t i = 0; i < trackCount; ++i) {
      if (*tracks[i].text == *text) {
        tracks[i].*role = true;
        return;
      }
    }
    tracks[trackCount].text = text;
    tracks[trackCount].*role = true;
    ++trackCount;
  };
  follow(&target.label, &Track::target);
  if (target.start) follow(target.start, &Track::start);
  if (target.end) follow(target.end, &Track::end);
  for (std::size_t i = 0; i < trackCount; ++i) {
    const Positions* positions = labels.Positions(*tracks[i].text);
    if (positions == nullptr) continue;
    tracks[i].next = static_cast<std::size_t>(
        forward ? std::upper_bound(positions->begin(), positions->end(), from) - positions->begin()
                : std::lower_bound(positions->begin(), positions->end(), from) - positions->begin());
  }

  std::int32_t depth = 0;
  for (;;) {
    Track* nearest = nullptr;
    ProgramPosition position;
    for (std::size_t i = 0; i < trackCount; ++i) {
      const Positions* positions = labels.Positions(*tracks[i].text);
      if (positions == nullptr) continue;
      if (forward ? tracks[i].next >= positions->size() : tracks[i].next == 0) continue;
      const ProgramPosition candidate = (*positions)[forward ? tracks[i].next : tracks[i].next - 1];
      if (nearest == nullptr || (forward ? candidate < position : position < candidate)) {
        nearest = &tracks[i];
        position = candidate;
      }
    }
    if (nearest == nullptr) {
      bool unreadable = false;
      if (forward && IndexNextLine(program, unreadable)) continue;
      return unreadable ? Search::kUnreadable : Search::kMissing;
    }
    if (forward) {
      ++nearest->next;
    } else {
      --nearest->next;
    }
    if (nearest->target && depth == 0) {
      found = position;
      return Search::kFound;
    }
    const bool opens = forward ? nearest->start : nearest->end;
    const bool closes = forward ? nearest->end : nearest->start;
    if (opens) {
      ++depth;
    } else if (closes && depth > 0) {
      --depth;
    }
  }
}

LabelFinder::Search LabelFinder::FindBlockNumberIn(std::int32_t program, std::int32_t line, const Orv::String& label,
                                                   ProgramPosition& found, bool& ended) {
  Orv::String text;
  const ProgramFile::Read read = programs_.file(program).ReadLine(line, text);
  ended = read == ProgramFile::Read::kEnd;
  if (read == ProgramFile::Read::kError) return Search::kUnreadable;
  if (read != ProgramFile::Read::kLine || !StartsWithBlockNumber(text, label)) return Search::kMissing;
  std::shared_ptr<const ParsedBlock> block = parser_.Cached(program, line);
  if (!block) block = parser_.ParseForLabels(program, line, text);
  const std::int32_t item = LabelItem(*block, label);
  if (item < 0) return Search::kMissing;
  found = {line, item};
  return Search::kFound;
}

LabelFinder::Search LabelFinder::FindBlockNumber(std::int32_t program, ProgramPosition from, std::int32_t direction,
                                                 const Orv::String& label, ProgramPosition& found) {
  const auto key = std::make_tuple(program, label, from.line, direction);
  const auto known = blockNumbers_.find(key);
  if (known != blockNumbers_.end()) {
    found = known->second;
    return Search::kFound;
  }
  Search search = Search::kMissing;
  bool ended = false;
  if (direction != Orv::JumpDirection::Backward) {
    for (std::int32_t line = from.line + 1; search == Search::kMissing && !ended; ++line) {
      search = FindBlockNumberIn(program, line, label, found, ended);
    }
  }
  const std::int32_t first = direction == Orv::JumpDirection::Backward ? from.line : 0;
  const std::int32_t step = direction == Orv::JumpDirection::Backward ? -1 : 1;
  if (direction != Orv::JumpDirection::Forward) {
    for (std::int32_t line = first; search == Search::kMissing && line >= 0 && line <= from.line; line += step) {
      search = FindBlockNumberIn(program, line, label, found, ended);
    }
  }
  if (search == Search::kFound) blockNumbers_.emplace(key, found);
  return search;
}

LabelFinder::Search LabelFinder::Find(std::int32_t program, ProgramPosition from, const JumpTarget& target,
                                      ProgramPosition& found) {
  Search search = Search::kMissing;
  if (IsBlockNumber(target.label)) {
    search = FindBlockNumber(program, from, target.direction, target.label, found);
  } else {
    search = FindIndexed(program, from, target.direction != Orv::JumpDirection::Backward, target, found);
    if (search == Search::kMissing && target.direction == Orv::JumpDirection::Both) {
      search = FindIndexed(program, {0, -1}, true, target, found);
    }
  }
  return search;
}

}  // namespace Velkor::OrvReference
