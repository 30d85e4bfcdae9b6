// The command line of tessan: a command, its options and its operands.
// Options may stand anywhere before "--"; each command accepts the options
// the option table of command_line.cpp lists for it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Velkor::Tessan {

struct ScalarSetting {
  // Upper-cased, as NC text names it.
  std::string name;
  // As written: TRUE or FALSE, an integer, a number with a point or an
  // exponent, or a text in double quotes.
  std::string value;
};

enum class OutputFormat { kText, kJson };

struct CommandLine {
  enum class Command { kHelp, kVersion, kParse, kCheck, kExpr, kEval, kRun };

  Command command = Command::kHelp;
  OutputFormat format = OutputFormat::kText;
  // Empty: the plug-in next to the executable, or where it is installed.
  std::string pluginPath;
  std::vector<std::string> axes;
  std::vector<std::string> geometryAxes;
  std::vector<ScalarSetting> settings;
  // check: no closing summary.
  bool quiet = false;
  // check: 0 checks every file in one run, as parse reads them; N checks
  // each file as its own program, N processes at a time.
  int jobs = 0;
  // run: where to draw the tool path (empty: nowhere), the most blocks to
  // run, and the rate of rapid moves for the time estimate (mm/min).
  std::string svgPath;
  std::int64_t maxBlocks = 100'000'000;
  double rapidRate = 10'000.0;
  std::vector<std::string> operands;
};

// False with a one-line reason when the command line is not understood.
bool ReadCommandLine(int argc, const char* const* argv, CommandLine& commandLine, std::string& error);

extern const char kUsage[];

}  // namespace Velkor::Tessan
