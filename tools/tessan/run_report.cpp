#include "run_report.h"

#include <cstdio>

namespace Velkor::Tessan {

void RunReport::Moved(const OrvReference::SourcePlace& place, const OrvReference::Move& move) {
  printer_.Moved(place, move);
  if (!summary_.Moved(move) && !warnedOfFeed_) {
    warnedOfFeed_ = true;
    std::fprintf(stderr, "%s:%d: warning: a feed move without a feed (F); its time is not estimated\n",
                 place.file.c_str(), place.line);
  }
  if (picture_) picture_->Add(move);
}

void RunReport::Dwelled(const OrvReference::SourcePlace& place, double seconds) {
  printer_.Dwelled(place, seconds);
  summary_.Dwelled(seconds);
}

}  // namespace Velkor::Tessan
