// tessan's command line: commands, options in both spellings, operands after
// "--", the refusals, and the values --set accepts.
#include <gtest/gtest.h>

#include "command_line.h"
#include "orvref/execution_context.h"
#include "settings.h"

namespace Velkor::Tessan {
namespace {

bool Read(std::vector<const char*> arguments, CommandLine& commandLine, std::string& error) {
  arguments.insert(arguments.begin(), "tessan");
  return ReadCommandLine(static_cast<int>(arguments.size()), arguments.data(), commandLine, error);
}

std::string Refusal(std::vector<const char*> arguments) {
  CommandLine commandLine;
  std::string error;
  EXPECT_FALSE(Read(std::move(arguments), commandLine, error));
  return error;
}

TEST(TessanCommandLine, OptionsStandBetweenTheCommandAndItsOperands) {
  CommandLine line;
  std::string error;
  ASSERT_TRUE(Read({"parse", "--axes", "X,Y,Z,A", "--geo=X,Y", "--set", "A=1", "--set=S=\"a b\"", "--plugin", "p.so",
                    "--", "-x.nc", "-"},
                   line, error))
      << error;
  EXPECT_EQ(line.command, CommandLine::Command::kParse);
  EXPECT_EQ(line.axes, (std::vector<std::string>{"X", "Y", "Z", "A"}));
  EXPECT_EQ(line.geometryAxes, (std::vector<std::string>{"X", "Y"}));
  ASSERT_EQ(line.settings.size(), 2u);
  EXPECT_EQ(line.settings[1].name, "S");
  EXPECT_EQ(line.settings[1].value, "\"a b\"");
  EXPECT_EQ(line.pluginPath, "p.so");
  EXPECT_EQ(line.operands, (std::vector<std::string>{"-x.nc", "-"}));

  CommandLine expr;
  ASSERT_TRUE(Read({"expr", "--", "-1"}, expr, error));
  EXPECT_EQ(expr.operands, (std::vector<std::string>{"-1"}));
  CommandLine help;
  ASSERT_TRUE(Read({"eval", "--help"}, help, error));
  EXPECT_EQ(help.command, CommandLine::Command::kHelp);
}

TEST(TessanCommandLine, RefusesWhatItDoesNotUnderstand) {
  EXPECT_EQ(Refusal({}), "no command given (see tessan --help)");
  EXPECT_EQ(Refusal({"run"}), "unknown command 'run' (see tessan --help)");
  EXPECT_EQ(Refusal({"parse", "--axis", "X"}), "unknown option '--axis' (see tessan --help)");
  EXPECT_EQ(Refusal({"expr", "-1"}), "unknown option '-1' (see tessan --help)");
  EXPECT_EQ(Refusal({"parse", "--axes", "X,,Y"}), "--axes needs a list of names separated by commas");
  EXPECT_EQ(Refusal({"parse", "--geo", "X,Y,Z,A"}), "--geo takes at most three axes");
  EXPECT_EQ(Refusal({"parse", "--set", "=1"}), "--set needs NAME=VALUE");
  EXPECT_EQ(Refusal({"parse", "--plugin"}), "--plugin needs a value");
  EXPECT_EQ(Refusal({"expr", "1", "2"}), "expr takes exactly one TEXT");
  EXPECT_EQ(Refusal({"eval"}), "eval takes exactly one TEXT");
}

TEST(TessanSettings, EachFormGivesItsType) {
  OrvReference::ExecutionContext context;
  Orv::IValueFactory& values = *context.GetValueFactory();
  const auto typeOf = [&values](const char* text) {
    const Orv::SmartPointer<Orv::INCValue> value = SettingValue(values, text);
    if (!value) return std::string("none");
    Orv::SmartPointer<Orv::INCType> type;
    value->GetType(type);
    Orv::String form;
    value->GetString(form);
    return std::to_string(dynamic_cast<Orv::INCBasicType&>(*type).GetTypeCode()) + ":" + form.c_str();
  };
  EXPECT_EQ(typeOf("TRUE"), "0:TRUE");
  EXPECT_EQ(typeOf("-12"), "2:-12");
  EXPECT_EQ(typeOf("1.5"), "4:1.5");
  EXPECT_EQ(typeOf("1e3"), "4:1000.0");
  EXPECT_EQ(typeOf("\"a b\""), "5:a b");
  EXPECT_EQ(typeOf("\"\""), "5:");
  for (const char* refused : {"true", "2147483648", "1.5x", " 1.5", "\"", "", "ABC"}) {
    EXPECT_EQ(typeOf(refused), "none") << refused;
  }
}

}  // namespace
}  // namespace Velkor::Tessan
