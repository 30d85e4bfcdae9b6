// The discarding parse context takes the recording context's decisions:
// every golden input and example parses with the same results and messages
// through either, block by block, and declarations enter the scope.
#include <gtest/gtest.h>

#include "orvref/discarding_parse_context.h"
#include "orvref/parse_context.h"
#include "program_corpus.h"

namespace Velkor::OrvTessan {
namespace {

TEST(DiscardingParseContext, EveryProgramParsesAsWithTheRecorder) {
  const std::vector<std::vector<std::string>> corpus = ProgramCorpus();
  ASSERT_GT(corpus.size(), 20u);
  for (const std::vector<std::string>& program : corpus) {
    ParsingChannel<OrvReference::RecordingParseContext> recording;
    ParsingChannel<OrvReference::DiscardingParseContext> discarding;
    for (const std::string& block : program) ASSERT_EQ(discarding.Parse(block), recording.Parse(block)) << block;
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

  // A character is no name, though it reads as a text; converted to a
  // STRING it is one, found by evaluating the conversion.
  Orv::SmartPointer<Orv::INCValue> letter;
  channel.context.GetValueFactory()->CreateCharValue('Q', letter);
  Orv::SmartPointer<Orv::INCObjectExpression> character, text;
  channel.context.GetExpressionFactory()->CreateConstantExpression(letter.get(), character);
  auto* characterName = dynamic_cast<Orv::INCExpression*>(character.get());
  EXPECT_NE(channel.parseContext.DeclareVariable(characterName, Orv::BasicType::Int, 3, nullptr), Orv::ORV_SUCCESS);
  channel.context.GetExpressionFactory()->CreateConversionExpression(characterName, Orv::BasicType::String, text);
  EXPECT_EQ(channel.parseContext.DeclareVariable(dynamic_cast<Orv::INCExpression*>(text.get()), Orv::BasicType::Int, 3,
                                                 nullptr),
            Orv::ORV_SUCCESS);
  EXPECT_EQ(channel.context.scope().CheckScalarVariable("Q"), Orv::ORV_SUCCESS);
}

// A recorder and a discarder on one channel, as tessan has them: the
// subprograms declared in a block the discarder began are recorded nowhere
// (a recorder that never begins a block must not gather them), and the
// recorder records again from its next block on.
TEST(DiscardingParseContext, TheContextThatBeginsABlockTakesItsSubprogramDeclarations) {
  OrvReference::ExecutionContext context;
  OrvReference::RecordingParseContext recorder(context);
  OrvReference::DiscardingParseContext discarder(context);

  discarder.BeginBlock();
  context.channel().DeclareSubprogram("SUB1");
  context.channel().AddParameterMode("SUB1", 1);
  EXPECT_EQ(recorder.Trace(), "");
  EXPECT_TRUE(recorder.items().empty());

  recorder.BeginBlock();
  context.channel().DeclareSubprogram("SUB2");
  EXPECT_EQ(recorder.Trace(), "SUBPROGRAM SUB2\n");
  discarder.BeginBlock();
  context.channel().DeclareSubprogram("SUB3");
  EXPECT_EQ(recorder.Trace(), "SUBPROGRAM SUB2\n");
}

}  // namespace
}  // namespace Velkor::OrvTessan
