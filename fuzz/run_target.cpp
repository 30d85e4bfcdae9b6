// Fuzz target `run`: the input is a program run by the reference host's
// interpreter through the plug-in, as tessan run runs it; a line that starts
// with %_N_ after the first starts another program of the store, which the
// ones before may call. At most 200 blocks run: the mutations that make a
// loop endless are common, and a turn of a loop reaches nothing an earlier
// turn did not, while under the sanitizers a block of frame commands costs
// some 60 microseconds. (With 2,000 the checked-in corpus reaches the same
// edges, and the target runs at less than half the speed.) Every event is
// rendered (as a listener would) into memory.

#include "fuzz_machine.h"
#include "orvref/interpreter.h"
#include "orvref/program_store.h"
#include "orvref/text_forms.h"

namespace Velkor::Fuzz {
namespace {

using OrvReference::Move;
using OrvReference::SourcePlace;

constexpr std::int64_t kMostBlocks = 200;

// Keeps a short text of every event, so that what the interpreter hands over
// is read.
class EventText final : public OrvReference::RunListener {
 public:
  void Moved(const SourcePlace& place, const Move& move) override {
    Add(place, "move");
    for (const double position : move.to) OrvReference::AppendRealText(position, text_);
    for (const double coordinate : move.centre) OrvReference::AppendRealText(coordinate, text_);
    OrvReference::AppendRealText(move.length + move.sweep + move.feed, text_);
  }
  void Dwelled(const SourcePlace& place, double seconds) override {
    Add(place, "dwell");
    OrvReference::AppendRealText(seconds, text_);
  }
  void SpindleChanged(const SourcePlace& place, OrvReference::SpindleState, double speed) override {
    Add(place, "spindle");
    OrvReference::AppendRealText(speed, text_);
  }
  void ToolChanged(const SourcePlace& place, const std::string& tool, std::int32_t) override { Add(place, tool); }
  void Message(const SourcePlace& place, const std::string& text) override { Add(place, text); }
  void Stopped(const SourcePlace& place, std::int32_t) override { Add(place, "stop"); }
  void Called(const SourcePlace& place, const std::string& name) override { Add(place, name); }
  void Returned(const SourcePlace& place) override { Add(place, "return"); }
  void Ended(const SourcePlace& place) override { Add(place, "end"); }
  void NotSimulated(const SourcePlace& place, const std::string& name) override { Add(place, name); }
  void UndeclaredSubprogram(const SourcePlace& place, const std::string& name) override { Add(place, name); }

 private:
  // The text is cut back now and then: it is there to be written, not kept.
  void Add(const SourcePlace& place, const std::string& what) {
    if (text_.size() > 4096) text_.clear();
    text_ += place.file + ':' + std::to_string(place.line) + ' ' + what;
  }

  std::string text_;
};

}  // namespace
}  // namespace Velkor::Fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace Velkor;
  using namespace Velkor::Fuzz;
  FuzzMachine& machine = FuzzMachine::Get();
  machine.Run(TextOf(data, size), [&](Channel& channel) {
    // Each program is held by the store as a text; the first of them runs.
    OrvReference::ProgramStore& programs = channel.context.channel().programs();
    const auto first = static_cast<std::int32_t>(programs.size());
    std::vector<std::string> texts;
    for (const std::string_view line : LinesOf(data, size)) {
      if (texts.empty() || line.starts_with("%_N_")) texts.emplace_back();
      texts.back().append(line).push_back('\n');
    }
    if (texts.empty()) return;
    for (std::size_t index = 0; index < texts.size(); ++index) {
      programs.AddText(std::move(texts[index]), "program" + std::to_string(index + 1));
    }
    EventText events;
    OrvReference::Interpreter interpreter(channel.context, machine.parser(), machine.commands(), events);
    interpreter.Run(first, {kMostBlocks});
  });
  return 0;
}
