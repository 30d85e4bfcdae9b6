// The events of tessan run on standard output, one line each, as text or as
// JSON Lines; its notes and warnings go to standard error. See
// docs/run-model.md.
#pragma once

#include <string>
#include <vector>

#include "json_writer.h"
#include "orvref/interpreter.h"

namespace Velkor::Tessan {

using OrvReference::SourcePlace;

// What both formats share: the channel's axis names, the notes on standard
// error ("FILE:LINE: note: 'NAME' is not simulated", the warning for a call
// without EXTERN), and the run stops once the output is lost.
class EventPrinter : public OrvReference::RunListener {
 public:
  explicit EventPrinter(std::vector<std::string> axes) : axes_(std::move(axes)) {}
  virtual ~EventPrinter() = default;

  void NotSimulated(const SourcePlace& place, const std::string& name) override;
  void UndeclaredSubprogram(const SourcePlace& place, const std::string& name) override;
  bool Cancelled() const override { return outputLost_; }
  bool outputLost() const { return outputLost_; }

 protected:
  const std::vector<std::string>& axes() const { return axes_; }
  void Write(const std::string& line);

 private:
  std::vector<std::string> axes_;
  bool outputLost_ = false;
};

// FILE:LINE RAPID X=<x> Y=<y> ..., one line per event.
class TextEvents final : public EventPrinter {
 public:
  explicit TextEvents(std::vector<std::string> axes);

  void Moved(const SourcePlace& place, const OrvReference::Move& move) override;
  void Dwelled(const SourcePlace& place, double seconds) override;
  void SpindleChanged(const SourcePlace& place, OrvReference::SpindleState state, double speed) override;
  void ToolChanged(const SourcePlace& place, const std::string& tool, std::int32_t offset) override;
  void Message(const SourcePlace& place, const std::string& text) override;
  void Stopped(const SourcePlace& place, std::int32_t code) override;
  void Called(const SourcePlace& place, const std::string& name) override;
  void Returned(const SourcePlace& place) override;
  void Ended(const SourcePlace& place) override;

 private:
  // Starts the line of an event: "FILE:LINE EVENT".
  std::string& Begin(const SourcePlace& place, const char* event);
  void Finish();
  // Appends a word of a move, " X=<x>": the text it had before when its
  // number is the same (most axes and the feed stay).
  void AppendWord(std::size_t place, double value);

  std::string line_;
  struct Word {
    explicit Word(const std::string& name) : labelLength(name.size() + 2), text(' ' + name + "=0.0") {}
    double value = 0.0;
    std::size_t labelLength;
    std::string text;
  };
  // The axes in channel order, then the feed.
  std::vector<Word> words_;
};

// {"file":..., "line":..., "event":"RAPID", "X":..., ...}, one object per
// event.
class JsonEvents final : public EventPrinter {
 public:
  using EventPrinter::EventPrinter;

  void Moved(const SourcePlace& place, const OrvReference::Move& move) override;
  void Dwelled(const SourcePlace& place, double seconds) override;
  void SpindleChanged(const SourcePlace& place, OrvReference::SpindleState state, double speed) override;
  void ToolChanged(const SourcePlace& place, const std::string& tool, std::int32_t offset) override;
  void Message(const SourcePlace& place, const std::string& text) override;
  void Stopped(const SourcePlace& place, std::int32_t code) override;
  void Called(const SourcePlace& place, const std::string& name) override;
  void Returned(const SourcePlace& place) override;
  void Ended(const SourcePlace& place) override;

 private:
  // Opens the event's object with "file", "line" and "event".
  JsonWriter& Begin(const SourcePlace& place, const char* event);
  void Finish();

  JsonWriter json_;
};

}  // namespace Velkor::Tessan
