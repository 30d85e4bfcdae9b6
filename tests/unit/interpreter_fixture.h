// Test ground for the reference host's interpreter: a channel prepared by
// the controller state, the plug-in's parser and mappers, programs written
// to files, and a listener that keeps every event as one line of text. The
// parser is wrapped so that a test can count the blocks it parsed.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controller/command_mapper.h"
#include "controller/method_mapper.h"
#include "orv/base.h"
#include "orv/context.h"
#include "orv/expressions.h"
#include "orv/plugin.h"
#include "orvref/interpreter.h"
#include "parser/program_parser.h"

namespace Velkor::OrvReference::testing {

// Every event as "<line> <EVENT> ...", positions of the geometry axes only,
// rounded to 1e-6.
class EventLines final : public RunListener {
 public:
  void Moved(const SourcePlace& place, const Move& move) override;
  void Dwelled(const SourcePlace& place, double seconds) override;
  void SpindleChanged(const SourcePlace& place, SpindleState state, double speed) override;
  void ToolChanged(const SourcePlace& place, const std::string& tool, std::int32_t offset) override;
  void Message(const SourcePlace& place, const std::string& text) override;
  void Stopped(const SourcePlace& place, std::int32_t code) override;
  void Called(const SourcePlace& place, const std::string& name) override;
  void Returned(const SourcePlace& place) override;
  void Ended(const SourcePlace& place) override;
  void NotSimulated(const SourcePlace& place, const std::string& name) override;
  void UndeclaredSubprogram(const SourcePlace& place, const std::string& name) override;

  std::vector<std::string> lines;

 private:
  void Add(const SourcePlace& place, const std::string& text);
};

// Counts the blocks handed to the plug-in's parser.
class CountingParser final : public Orv::IProgramParser {
 public:
  Orv::TResult ParseBlock(const Orv::String& block, Orv::IParseContext* context, std::int32_t* messageKind,
                          Orv::String* message) override;
  Orv::TResult ParseExpression(const Orv::String& text, Orv::IExecutionContext* context,
                               Orv::SmartPointer<Orv::INCExpression>* result, std::int32_t* messageKind,
                               Orv::String* message) override;

  std::int64_t blocks = 0;

 private:
  OrvTessan::ProgramParser parser_;
};

class InterpreterTest : public ::testing::Test {
 protected:
  InterpreterTest();
  void TearDown() override;

  // Writes a program file of these lines; its name in events is `name`.
  std::string Program(const std::string& name, const std::vector<std::string>& lines);
  // Runs the first program given with the others in the store.
  RunOutcome Run(const std::vector<std::string>& programs, std::int64_t maxBlocks = 1'000'000);
  // The events of the last run.
  const std::vector<std::string>& events() const { return events_.lines; }

  ExecutionContext& context() { return *context_; }
  std::int64_t parsedBlocks() const { return parser_.blocks; }

 private:
  std::unique_ptr<ExecutionContext> context_;
  OrvTessan::MethodMapper methods_;
  OrvTessan::CommandMapper commands_;
  CountingParser parser_;
  EventLines events_;
  std::string directory_;
};

}  // namespace Velkor::OrvReference::testing
