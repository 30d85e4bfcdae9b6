#include "event_printer.h"

#include <cstdio>

#include "block_report.h"
#include "orvref/text_forms.h"
#include "output.h"
#include "rounded_text.h"

namespace Velkor::Tessan {
namespace {

using OrvReference::Move;

const char* MoveName(Move::Kind kind) {
  switch (kind) {
    case Move::Kind::kRapid:
      return "RAPID";
    case Move::Kind::kLinear:
      return "LINEAR";
    case Move::Kind::kArc:
      break;
  }
  return "ARC";
}

const char* SpindleName(OrvReference::SpindleState state) {
  switch (state) {
    case OrvReference::SpindleState::kClockwise:
      return "CW";
    case OrvReference::SpindleState::kCounterClockwise:
      return "CCW";
    case OrvReference::SpindleState::kStopped:
      break;
  }
  return "STOP";
}

// A position, a centre, a feed or a dwell as JSON.
void Position(JsonWriter& json, double value) {
  json.Real(Rounded(value, kPositionDecimals));
}

}  // namespace

void EventPrinter::NotSimulated(const SourcePlace& place, const std::string& name) {
  std::fprintf(stderr, "%s:%d: note: '%s' is not simulated\n", place.file.c_str(), place.line, name.c_str());
}

void EventPrinter::UndeclaredSubprogram(const SourcePlace& place, const std::string& name) {
  std::fprintf(stderr, "%s:%d: warning: %s\n", place.file.c_str(), place.line, NoExternNotice(name).c_str());
}

void EventPrinter::Write(const std::string& line) {
  if (!outputLost_) outputLost_ = !WriteOutput(line);
}

std::string& TextEvents::Begin(const SourcePlace& place, const char* event) {
  line_ = place.file;
  line_ += ':';
  OrvReference::AppendInteger(place.line, line_);
  line_ += ' ';
  line_ += event;
  return line_;
}

void TextEvents::Finish() {
  line_ += '\n';
  Write(line_);
}

TextEvents::TextEvents(std::vector<std::string> axes) : EventPrinter(std::move(axes)) {
  for (const std::string& axis : this->axes()) words_.emplace_back(axis);
  words_.emplace_back("F");
}

void TextEvents::AppendWord(std::size_t place, double value) {
  Word& word = words_[place];
  if (value != word.value) {
    word.value = value;
    word.text.resize(word.labelLength);
    AppendPosition(value, word.text);
  }
  line_ += word.text;
}

void TextEvents::Moved(const SourcePlace& place, const Move& move) {
  std::string& line = Begin(place, MoveName(move.kind));
  if (move.kind == Move::Kind::kArc) line += move.clockwise ? " CW" : " CCW";
  for (std::size_t axis = 0; axis < axes().size(); ++axis) AppendWord(axis, move.to[axis]);
  if (move.kind == Move::Kind::kArc) {
    for (std::size_t k = 0; k < 3; ++k) {
      line += k == 0 ? " CENTER=" : ",";
      AppendPosition(move.centre[k], line);
    }
  }
  if (move.kind != Move::Kind::kRapid) AppendWord(axes().size(), move.feed);
  Finish();
}

void TextEvents::Dwelled(const SourcePlace& place, double seconds) {
  AppendPosition(seconds, Begin(place, "DWELL "));
  Finish();
}

void TextEvents::SpindleChanged(const SourcePlace& place, OrvReference::SpindleState state, double speed) {
  std::string& line = Begin(place, "SPINDLE ");
  line += SpindleName(state);
  line += " S=";
  AppendPosition(speed, line);
  Finish();
}

void TextEvents::ToolChanged(const SourcePlace& place, const std::string& tool, std::int32_t offset) {
  Begin(place, "TOOL T=") += tool + " D=" + std::to_string(offset);
  Finish();
}

void TextEvents::Message(const SourcePlace& place, const std::string& text) {
  Begin(place, "MSG ") += OrvReference::QuotedText(text, '"');
  Finish();
}

void TextEvents::Stopped(const SourcePlace& place, std::int32_t code) {
  Begin(place, "STOP M") += std::to_string(code);
  Finish();
}

void TextEvents::Called(const SourcePlace& place, const std::string& name) {
  Begin(place, "CALL ") += name;
  Finish();
}

void TextEvents::Returned(const SourcePlace& place) {
  Begin(place, "RETURN");
  Finish();
}

void TextEvents::Ended(const SourcePlace& place) {
  Begin(place, "END");
  Finish();
}

JsonWriter& JsonEvents::Begin(const SourcePlace& place, const char* event) {
  return json_.BeginObject().Key("file").String(place.file).Key("line").Integer(place.line).Key("event").String(event);
}

void JsonEvents::Finish() {
  Write(json_.EndObject().TakeLine());
}

void JsonEvents::Moved(const SourcePlace& place, const Move& move) {
  Begin(place, MoveName(move.kind));
  if (move.kind == Move::Kind::kArc) json_.Key("direction").String(move.clockwise ? "CW" : "CCW");
  for (std::size_t axis = 0; axis < axes().size(); ++axis) Position(json_.Key(axes()[axis]), move.to[axis]);
  if (move.kind == Move::Kind::kArc) {
    json_.Key("center").BeginArray();
    for (const double coordinate : move.centre) Position(json_, coordinate);
    json_.EndArray();
  }
  if (move.kind != Move::Kind::kRapid) Position(json_.Key("F"), move.feed);
  Finish();
}

void JsonEvents::Dwelled(const SourcePlace& place, double seconds) {
  Position(Begin(place, "DWELL").Key("seconds"), seconds);
  Finish();
}

void JsonEvents::SpindleChanged(const SourcePlace& place, OrvReference::SpindleState state, double speed) {
  Position(Begin(place, "SPINDLE").Key("direction").String(SpindleName(state)).Key("S"), speed);
  Finish();
}

void JsonEvents::ToolChanged(const SourcePlace& place, const std::string& tool, std::int32_t offset) {
  Begin(place, "TOOL").Key("T").String(tool).Key("D").Integer(offset);
  Finish();
}

void JsonEvents::Message(const SourcePlace& place, const std::string& text) {
  Begin(place, "MSG").Key("text").String(text);
  Finish();
}

void JsonEvents::Stopped(const SourcePlace& place, std::int32_t code) {
  Begin(place, "STOP").Key("code").String("M" + std::to_string(code));
  Finish();
}

void JsonEvents::Called(const SourcePlace& place, const std::string& name) {
  Begin(place, "CALL").Key("name").String(name);
  Finish();
}

void JsonEvents::Returned(const SourcePlace& place) {
  Begin(place, "RETURN");
  Finish();
}

void JsonEvents::Ended(const SourcePlace& place) {
  Begin(place, "END");
  Finish();
}

}  // namespace Velkor::Tessan
