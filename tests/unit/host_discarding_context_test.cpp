// The discarding parse context takes the recording context's decisions:
// every golden input and example parses with the same results and messages
// through either, block by block, and declarations enter the scope.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "controller/controller_state.h"
#include "controller/method_mapper.h"
#include "orvref/discarding_parse_context.h"
#include "orvref/parse_context.h"
#include "parser/program_parser.h"

namespace Velkor::OrvTessan {
namespace {

// A channel prepared by the controller state, its parser and one context.
template <typename Context>
struct ParsingChannel {
  ParsingChannel() {
    context.SetMethodMapper(&methods);
    ControllerState state;
    EXPECT_EQ(state.Initialize(&context.channel()), Orv::ORV_SUCCESS);
  }
  ~ParsingChannel() { context.SetMethodMapper(nullptr); }

  std::string Parse(const std::string& block) {
    parseContext.BeginBlock();
    std::int32_t kind = -1;
    Orv::String message = "-";
    const Orv::TResult result = parser.ParseBlock(block.c_str(), &parseContext, &kind, &message);
    return std::to_string(result) + ' ' + std::to_string(kind) + ' ' + message.c_str();
  }

  MethodMapper methods;
  OrvReference::ExecutionContext context;
  Context parseContext{context};
  ProgramParser parser;
};

std::vector<std::filesystem::path> ProgramsUnder(const std::filesystem::path& directory) {
  std::vector<std::filesystem::path> programs;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(directory)) {
    const std::string extension = entry.path().extension().string();
    if (extension == ".nc" || extension == ".mpf" || extension == ".spf") programs.push_back(entry.path());
  }
  return programs;
}

TEST(DiscardingParseContext, EveryProgramParsesAsWithTheRecorder) {
  std::vector<std::filesystem::path> programs = ProgramsUnder(TESSAN_SOURCE_DIR "/tests/golden");
  for (const auto& example : ProgramsUnder(TESSAN_SOURCE_DIR "/examples")) programs.push_back(example);
  ASSERT_GT(programs.size(), 20u);
  for (const auto& program : programs) {
    ParsingChannel<OrvReference::RecordingParseContext> recording;
    ParsingChannel<OrvReference::DiscardingParseContext> discarding;
    std::ifstream lines(program);
    std::string block;
    for (int number = 1; std::getline(lines, block); ++number) {
      if (!block.empty() && block.back() == '\r') block.pop_back();
      ASSERT_EQ(discarding.Parse(block), recording.Parse(block)) << program << ':' << number;
    }
  }
}

TEST(DiscardingParseContext, DeclarationsEnterTheScopeAndNamelessOnesAreRefused) {
  ParsingChannel<OrvReference::DiscardingParseContext> channel;
  EXPECT_EQ(channel.Parse("DEF INT KK=2, LL"), "0 -1 -");
  EXPECT_EQ(channel.context.scope().CheckScalarVariable("KK"), Orv::ORV_SUCCESS);
  EXPECT_EQ(channel.context.scope().CheckScalarVariable("LL"), Orv::ORV_SUCCESS);
  EXPECT_EQ(channel.Parse("DEF REAL ARR[3]"), "0 -1 -");
  EXPECT_EQ(channel.context.scope().CheckArrayVariable("ARR"), Orv::ORV_SUCCESS);
  EXPECT_EQ(channel.Parse("DEF FRAME FRA"), "0 -1 -");
  EXPECT_EQ(channel.context.scope().CheckStructVariable("FRA"), Orv::ORV_SUCCESS);

  Orv::SmartPointer<Orv::INCValue> number;
  channel.context.GetValueFactory()->CreateIntValue(1, number);
  Orv::SmartPointer<Orv::INCObjectExpression> notAText;
  channel.context.GetExpressionFactory()->CreateConstantExpression(number.get(), notAText);
  auto* name = dynamic_cast<Orv::INCExpression*>(notAText.get());
  EXPECT_NE(channel.parseContext.DeclareVariable(name, Orv::BasicType::Int, 3, nullptr), Orv::ORV_SUCCESS);
  EXPECT_NE(channel.parseContext.DeclareStructVariable(name, nullptr, 3), Orv::ORV_SUCCESS);
}

}  // namespace
}  // namespace Velkor::OrvTessan
