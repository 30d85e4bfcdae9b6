// The command line of tessan: a command, its options and its operands.
#pragma once

#include <string>
#include <vector>

namespace Velkor::Tessan {

struct ScalarSetting {
  std::string name;
  // As written: TRUE or FALSE, an integer, a number with a point or an
  // exponent, or a text in double quotes.
  std::string value;
};

struct CommandLine {
  enum class Command { kHelp, kParse, kExpr, kEval };

  Command command = Command::kHelp;
  // Empty: the plug-in next to the executable.
  std::string pluginPath;
  std::vector<std::string> axes;
  std::vector<std::string> geometryAxes;
  std::vector<ScalarSetting> settings;
  std::vector<std::string> operands;
};

// False with a one-line reason when the command line is not understood.
bool ReadCommandLine(int argc, const char* const* argv, CommandLine& commandLine, std::string& error);

extern const char kUsage[];

}  // namespace Velkor::Tessan
