#include "run_summary.h"

#include "rounded_text.h"

namespace Velkor::Tessan {

bool RunSummary::Moved(const OrvReference::Move& move) {
  ++moves_;
  const bool rapid = move.kind == OrvReference::Move::Kind::kRapid;
  (rapid ? rapidLength_ : feedLength_) += move.length;
  // A move of other axes only takes the time of its longest travel.
  const double distance = move.length > 0.0 ? move.length : move.otherTravel;
  const double rate = rapid ? rapidRate_ : move.feed;
  if (rate > 0.0) {
    seconds_ += 60.0 * distance / rate;
    return true;
  }
  return distance == 0.0;
}

std::string RunSummary::Line(std::int64_t blocks) const {
  return "summary: " + std::to_string(blocks) + " blocks, " + std::to_string(moves_) + " moves, feed path " +
         RoundedText(feedLength_, 4) + " mm, rapid path " + RoundedText(rapidLength_, 4) + " mm, estimated time " +
         RoundedText(seconds_, 2) + " s";
}

}  // namespace Velkor::Tessan
