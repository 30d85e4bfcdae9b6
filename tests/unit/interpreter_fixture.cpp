#include "interpreter_fixture.h"

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "controller/controller_state.h"
#include "orvref/text_forms.h"

namespace Velkor::OrvReference::testing {
namespace {

std::string Number(double value) {
  const double rounded = std::round(value * 1e6) / 1e6;
  return RealText(rounded == 0.0 ? 0.0 : rounded);
}

}  // namespace

void EventLines::Add(const SourcePlace& place, const std::string& text) {
  lines.push_back(std::to_string(place.line) + ' ' + text);
}

void EventLines::Moved(const SourcePlace& place, const Move& move) {
  static constexpr const char* kKinds[] = {"RAPID", "LINEAR", "ARC"};
  std::string text = kKinds[static_cast<int>(move.kind)];
  if (move.kind == Move::Kind::kArc) text += move.clockwise ? " CW" : " CCW";
  text += ' ' + Number(move.to[0]) + ',' + Number(move.to[1]) + ',' + Number(move.to[2]);
  if (move.kind == Move::Kind::kArc) {
    text += " C" + Number(move.centre[0]) + ',' + Number(move.centre[1]) + ',' + Number(move.centre[2]);
  }
  if (move.kind != Move::Kind::kRapid) text += " F" + Number(move.feed);
  Add(place, text);
}

void EventLines::Dwelled(const SourcePlace& place, double seconds) {
  Add(place, "DWELL " + Number(seconds));
}

void EventLines::SpindleChanged(const SourcePlace& place, SpindleState state, double speed) {
  static constexpr const char* kStates[] = {"STOP", "CW", "CCW"};
  Add(place, std::string("SPINDLE ") + kStates[static_cast<int>(state)] + " S" + Number(speed));
}

void EventLines::ToolChanged(const SourcePlace& place, const std::string& tool, std::int32_t offset) {
  Add(place, "TOOL " + tool + " D" + std::to_string(offset));
}

void EventLines::Message(const SourcePlace& place, const std::string& text) {
  Add(place, "MSG " + text);
}

void EventLines::Stopped(const SourcePlace& place, std::int32_t code) {
  Add(place, "STOP M" + std::to_string(code));
}

void EventLines::Called(const SourcePlace& place, const std::string& name) {
  Add(place, "CALL " + name);
}

void EventLines::Returned(const SourcePlace& place) {
  Add(place, "RETURN");
}

void EventLines::Ended(const SourcePlace& place) {
  Add(place, "END");
}

void EventLines::NotSimulated(const SourcePlace& place, const std::string& name) {
  Add(place, "NOTE " + name);
}

void EventLines::UndeclaredSubprogram(const SourcePlace& place, const std::string& name) {
  Add(place, "UNDECLARED " + name);
}

Orv::TResult CountingParser::ParseBlock(const Orv::String& block, Orv::IParseContext* context,
                                        std::int32_t* messageKind, Orv::String* message) {
  ++blocks;
  return parser_.ParseBlock(block, context, messageKind, message);
}

Orv::TResult CountingParser::ParseExpression(const Orv::String& text, Orv::IExecutionContext* context,
                                             Orv::SmartPointer<Orv::INCExpression>* result, std::int32_t* messageKind,
                                             Orv::String* message) {
  return parser_.ParseExpression(text, context, result, messageKind, message);
}

InterpreterTest::InterpreterTest() : context_(std::make_unique<ExecutionContext>()) {
  context_->SetMethodMapper(&methods_);
  OrvTessan::ControllerState state;
  EXPECT_EQ(state.Initialize(&context_->channel()), Orv::ORV_SUCCESS);
}

void InterpreterTest::TearDown() {
  if (!directory_.empty()) std::filesystem::remove_all(directory_);
}

std::string InterpreterTest::Program(const std::string& name, const std::vector<std::string>& lines) {
  // A directory of the test's own: tests may run side by side, and a
  // subprogram is found by its file's name.
  if (directory_.empty()) {
    directory_ = ::testing::TempDir() + "interpreter_" + std::to_string(::getpid()) + '_' +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::create_directories(directory_);
  }
  const std::string path = directory_ + '/' + name;
  std::ofstream file(path, std::ios::binary);
  for (const std::string& line : lines) file << line << '\n';
  return path;
}

RunOutcome InterpreterTest::Run(const std::vector<std::string>& programs, std::int64_t maxBlocks) {
  for (const std::string& program : programs) EXPECT_TRUE(context_->channel().programs().AddFile(program));
  events_.lines.clear();
  const std::int32_t first =
      context_->channel().programs().GetProgramCount(Channel::kProgramKey) - static_cast<std::int32_t>(programs.size());
  Interpreter interpreter(*context_, parser_, commands_, events_);
  return interpreter.Run(first, {maxBlocks});
}

}  // namespace Velkor::OrvReference::testing
