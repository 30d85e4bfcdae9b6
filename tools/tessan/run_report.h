// Everything tessan run makes of the events of a run: the printed events,
// the summary, and the picture when one is asked for.
#pragma once

#include <memory>

#include "event_printer.h"
#include "path_picture.h"
#include "run_summary.h"

namespace Velkor::Tessan {

class RunReport final : public OrvReference::RunListener {
 public:
  RunReport(EventPrinter& printer, RunSummary& summary, PathPicture* picture)
      : printer_(printer), summary_(summary), picture_(picture) {}

  void Moved(const OrvReference::SourcePlace& place, const OrvReference::Move& move) override;
  void Dwelled(const OrvReference::SourcePlace& place, double seconds) override;
  void SpindleChanged(const OrvReference::SourcePlace& place, OrvReference::SpindleState state, double speed) override {
    printer_.SpindleChanged(place, state, speed);
  }
  void ToolChanged(const OrvReference::SourcePlace& place, const std::string& tool, std::int32_t offset) override {
    printer_.ToolChanged(place, tool, offset);
  }
  void Message(const OrvReference::SourcePlace& place, const std::string& text) override {
    printer_.Message(place, text);
  }
  void Stopped(const OrvReference::SourcePlace& place, std::int32_t code) override { printer_.Stopped(place, code); }
  void Called(const OrvReference::SourcePlace& place, const std::string& name) override {
    printer_.Called(place, name);
  }
  void Returned(const OrvReference::SourcePlace& place) override { printer_.Returned(place); }
  void Ended(const OrvReference::SourcePlace& place) override { printer_.Ended(place); }
  void NotSimulated(const OrvReference::SourcePlace& place, const std::string& name) override {
    printer_.NotSimulated(place, name);
  }
  void UndeclaredSubprogram(const OrvReference::SourcePlace& place, const std::string& name) override {
    printer_.UndeclaredSubprogram(place, name);
  }
  bool Cancelled() const override { return printer_.Cancelled(); }

 private:
  EventPrinter& printer_;
  RunSummary& summary_;
  PathPicture* picture_;
  bool warnedOfFeed_ = false;
};

}  // namespace Velkor::Tessan
