// tessan's command line: commands, options in every spelling and anywhere
// before "--", operands after it, the refusals, and the values --set
// accepts.
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

TEST(TessanCommandLine, OptionsMayFollowTheOperandsAndPrecedeTheCommand) {
  CommandLine line;
  std::string error;
  ASSERT_TRUE(
      Read({"--format", "json", "check", "a.nc", "-q", "b.nc", "-j4", "--axes=X,Y", "--", "--set", "-"}, line, error))
      << error;
  EXPECT_EQ(line.command, CommandLine::Command::kCheck);
  EXPECT_EQ(line.format, OutputFormat::kJson);
  EXPECT_TRUE(line.quiet);
  EXPECT_EQ(line.jobs, 4);
  EXPECT_EQ(line.axes, (std::vector<std::string>{"X", "Y"}));
  EXPECT_EQ(line.operands, (std::vector<std::string>{"a.nc", "b.nc", "--set", "-"}));

  CommandLine jobs;
  ASSERT_TRUE(Read({"check", "-j", "2", "--jobs=3"}, jobs, error)) << error;
  EXPECT_EQ(jobs.jobs, 3);
  EXPECT_TRUE(jobs.operands.empty());
}

TEST(TessanCommandLine, HelpAndVersionWinWhereverTheyStand) {
  for (const std::vector<const char*>& arguments :
       {std::vector<const char*>{"-h"}, {"parse", "x.nc", "--help"}, {"nonsense", "-h"}, {"--bad", "--help"}}) {
    CommandLine line;
    std::string error;
    ASSERT_TRUE(Read(arguments, line, error)) << error;
    EXPECT_EQ(line.command, CommandLine::Command::kHelp);
  }
  CommandLine version;
  std::string error;
  ASSERT_TRUE(Read({"--version"}, version, error));
  EXPECT_EQ(version.command, CommandLine::Command::kVersion);
  // After "--" nothing is an option.
  CommandLine text;
  ASSERT_TRUE(Read({"expr", "--", "--help"}, text, error));
  EXPECT_EQ(text.command, CommandLine::Command::kExpr);
}

TEST(TessanCommandLine, SettingNamesAreUpperCasedAndValuesKept) {
  CommandLine line;
  std::string error;
  ASSERT_TRUE(Read({"eval", "--set", "cnt=1", "--set", "$mn_Scope=\"a b\"", "CNT"}, line, error)) << error;
  ASSERT_EQ(line.settings.size(), 2u);
  EXPECT_EQ(line.settings[0].name, "CNT");
  EXPECT_EQ(line.settings[1].name, "$MN_SCOPE");
  EXPECT_EQ(line.settings[1].value, "\"a b\"");
}

TEST(TessanCommandLine, RefusesWhatItDoesNotUnderstand) {
  EXPECT_EQ(Refusal({}), "no command given (see tessan --help)");
  EXPECT_EQ(Refusal({"walk"}), "unknown command 'walk' (see tessan --help)");
  EXPECT_EQ(Refusal({"parse", "--axis", "X"}), "unknown option '--axis' (see tessan --help)");
  EXPECT_EQ(Refusal({"expr", "-1"}), "unknown option '-1' (see tessan --help)");
  EXPECT_EQ(Refusal({"parse", "--axes", "X,,Y"}), "--axes needs a list of names separated by commas");
  EXPECT_EQ(Refusal({"parse", "--geo", "X,Y,Z,A"}), "--geo takes at most three axes");
  EXPECT_EQ(Refusal({"parse", "--set", "=1"}), "--set needs NAME=VALUE");
  EXPECT_EQ(Refusal({"parse", "--plugin"}), "--plugin needs a value");
  EXPECT_EQ(Refusal({"expr", "1", "2"}), "expr takes exactly one TEXT");
  EXPECT_EQ(Refusal({"eval"}), "eval takes exactly one TEXT");
  EXPECT_EQ(Refusal({"parse", "--format", "xml"}), "--format takes text or json, not 'xml'");
  EXPECT_EQ(Refusal({"parse", "-q"}), "-q does not apply to parse");
  EXPECT_EQ(Refusal({"expr", "--jobs=2", "1"}), "--jobs does not apply to expr");
  EXPECT_EQ(Refusal({"check", "--quiet=yes"}), "--quiet takes no value");
  for (const char* jobs : {"0", "-1", "x", "2x", "257"}) {
    EXPECT_EQ(Refusal({"check", "-j", jobs}), "-j needs a number of processes from 1 to 256") << jobs;
  }
  EXPECT_EQ(Refusal({"check", "-j"}), "-j needs a value");
  EXPECT_EQ(Refusal({"--format=json"}), "no command given (see tessan --help)");
  EXPECT_EQ(Refusal({"run"}), "run needs a MAIN program");
  EXPECT_EQ(Refusal({"parse", "--svg", "a.svg"}), "--svg does not apply to parse");
  for (const char* blocks : {"0", "-5", "1e3", "x"}) {
    EXPECT_EQ(Refusal({"run", "--max-blocks", blocks, "a.mpf"}), "--max-blocks needs a number of blocks of 1 or more")
        << blocks;
  }
  for (const char* rate : {"0", "-1", "fast", "inf"}) {
    EXPECT_EQ(Refusal({"run", "--rapid-rate", rate, "a.mpf"}), "--rapid-rate needs a rate in mm/min greater than 0")
        << rate;
  }
}

TEST(TessanCommandLine, RunTakesItsPictureLimitAndRateWithMainFirst) {
  CommandLine line;
  std::string error;
  ASSERT_TRUE(Read({"run", "main.mpf", "--svg", "path.svg", "sub.spf", "--max-blocks=500", "--rapid-rate", "2500.5"},
                   line, error))
      << error;
  EXPECT_EQ(line.command, CommandLine::Command::kRun);
  EXPECT_EQ(line.operands, (std::vector<std::string>{"main.mpf", "sub.spf"}));
  EXPECT_EQ(line.svgPath, "path.svg");
  EXPECT_EQ(line.maxBlocks, 500);
  EXPECT_EQ(line.rapidRate, 2500.5);
  CommandLine defaults;
  ASSERT_TRUE(Read({"run", "main.mpf"}, defaults, error)) << error;
  EXPECT_EQ(defaults.maxBlocks, 100'000'000);
  EXPECT_EQ(defaults.rapidRate, 10'000.0);
  EXPECT_TRUE(defaults.svgPath.empty());
}

TEST(TessanSettings, EachFormGivesItsType) {
  OrvReference::ExecutionContext context;
  Orv::IValueFactory& values = *context.GetValueFactory();
  const auto typeOf = [&values](const char* text) {
    std::string error;
    const Orv::SmartPointer<Orv::INCValue> value = SettingValue(values, text, error);
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
  EXPECT_EQ(typeOf("1e-310"), "4:1e-310");
  for (const char* refused :
       {"true", "2147483648", "1.5x", " 1.5", "\"", "", "ABC", "1e400", "-1e400", "1e-400", "0x1.8p3", "inf", "nan"}) {
    EXPECT_EQ(typeOf(refused), "none") << refused;
  }
}

TEST(TessanSettings, RefusalsSayWhyTheNumberDoesNotFit) {
  OrvReference::ExecutionContext context;
  const auto reason = [&context](const char* text) {
    std::string error;
    EXPECT_FALSE(SettingValue(*context.GetValueFactory(), text, error)) << text;
    return error;
  };
  EXPECT_EQ(reason("1e400"), "'1e400' lies outside the range of a REAL");
  EXPECT_EQ(reason("-2147483649"), "'-2147483649' lies outside the range of an INT");
  EXPECT_EQ(reason("1.2.3"), "'1.2.3' is no BOOL, INT, REAL or STRING value");
}

}  // namespace
}  // namespace Velkor::Tessan
