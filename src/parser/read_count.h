// How much of a text a scanner fed one character at a time has read: the
// count a syntax error message quotes. The scanners take their text all at
// once; the count is worked out only when a message needs it.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace Velkor::OrvTessan {

class ReadCounter {
 public:
  ReadCounter();
  ~ReadCounter();
  ReadCounter(const ReadCounter&) = delete;
  ReadCounter& operator=(const ReadCounter&) = delete;

  // The characters of `text` a scanner fed one character at a time would
  // have read by the time its matches had begun at each of `matchStarts`.
  // From the start of each match the automaton reads on as long as a longer
  // match is possible (one character past most tokens, the rest of the line
  // after AS), and whatever it read stays read: the count is the farthest of
  // these reads. (The last match of a text ends at its end, so a scanner
  // that met the end has read it all.)
  std::size_t CharactersReadOneAtATime(std::string_view text, const std::vector<std::size_t>& matchStarts);

 private:
  // The scanner that reads again, made at the first count and kept: an
  // automaton of compressed tables is some 80 kB of buffers to make and
  // free, and fuzzed or hand-edited programs fail block after block.
  struct Probe;
  std::unique_ptr<Probe> probe_;
};

}  // namespace Velkor::OrvTessan
