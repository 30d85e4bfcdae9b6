// The summary of a run: the moves, the length of the feed path and of the
// rapid path, and an estimate of the time: feed moves at their feed, rapid
// moves at the rapid rate, and the dwells.
#pragma once

#include <cstdint>
#include <string>

#include "orvref/interpreter.h"

namespace Velkor::Tessan {

class RunSummary {
 public:
  // mm/min.
  static constexpr double kDefaultRapidRate = 10000.0;

  explicit RunSummary(double rapidRate) : rapidRate_(rapidRate) {}

  // False for a feed move without a feed: its time is not estimated.
  bool Moved(const OrvReference::Move& move);
  void Dwelled(double seconds) { seconds_ += seconds; }

  // "summary: <blocks> blocks, <moves> moves, feed path <mm> mm, rapid path
  // <mm> mm, estimated time <seconds> s", lengths to 1e-4 mm, the time to
  // 0.01 s.
  std::string Line(std::int64_t blocks) const;

 private:
  double rapidRate_;
  std::int64_t moves_ = 0;
  double feedLength_ = 0.0;
  double rapidLength_ = 0.0;
  double seconds_ = 0.0;
};

}  // namespace Velkor::Tessan
