#include "command_line.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "orv/string_util.h"

namespace Velkor::Tessan {

const char kUsage[] =
    "usage: tessan parse [OPTIONS] [FILE...]\n"
    "       tessan check [OPTIONS] [FILE...]\n"
    "       tessan expr [OPTIONS] TEXT\n"
    "       tessan eval [OPTIONS] TEXT\n"
    "       tessan run [OPTIONS] MAIN [FILE...]\n"
    "       tessan --help | --version\n"
    "\n"
    "Loads the controller plug-in and drives it against the reference host.\n"
    "\n"
    "commands:\n"
    "  parse   parses each line of each FILE (standard input when there is none,\n"
    "          or for -) as one block and prints the block trace: a header\n"
    "          '@<line> <text>', one line per item the plug-in delivered, and\n"
    "          'ERROR <kind> <message>' for a block that failed. Several files are\n"
    "          one program, each announced by a line '@FILE <name>'. Diagnostics\n"
    "          go to standard error as 'FILE:LINE: error: MESSAGE' (and 'warning:'\n"
    "          for a call that passes arguments to a subprogram without EXTERN).\n"
    "  check   parses like parse but prints nothing but the diagnostics and a\n"
    "          closing summary 'N blocks, E errors, W warnings', on standard error.\n"
    "  expr    parses TEXT as one expression and prints 'EXPR <expression>', or\n"
    "          'ERROR <kind> <message>' when it fails.\n"
    "  eval    parses TEXT as one expression, evaluates it in the reference host\n"
    "          and prints its value, or 'ERROR <message>' when that fails.\n"
    "  run     executes MAIN in the reference host, with the subprograms the FILEs\n"
    "          hold, and prints what the machine does, one line per event:\n"
    "          'FILE:LINE RAPID X=.. Y=..', LINEAR, ARC, DWELL, SPINDLE, TOOL, MSG,\n"
    "          STOP, CALL, RETURN, END. A summary (blocks, moves, path lengths,\n"
    "          estimated time) or 'FILE:LINE: error: MESSAGE' goes to standard error.\n"
    "\n"
    "options (anywhere before --):\n"
    "  --plugin PATH       the plug-in to load (default: libtessan.so next to tessan,\n"
    "                      or where it is installed)\n"
    "  --axes NAME,...     the channel's axes, indexed from 0 (default: X,Y,Z,A,B,C)\n"
    "  --geo NAME,...      the channel's geometry axes, at most three (default: X,Y,Z)\n"
    "  --set NAME=VALUE    declares one more scalar variable (NAME upper-cased) with\n"
    "                      that value: TRUE or FALSE gives a BOOL, an integer an INT,\n"
    "                      a number with a point or an exponent a REAL, a text in\n"
    "                      double quotes a STRING; may be repeated\n"
    "  --format text|json  text (the default) or JSON Lines: one object per block,\n"
    "                      expression or diagnosed block\n"
    "  -q, --quiet         check: no closing summary\n"
    "  -j, --jobs N        check: each file as its own program, N processes at a time\n"
    "  --svg FILE          run: draws the tool path on the XY plane into FILE\n"
    "  --max-blocks N      run: stops with an error after N blocks (default 100000000)\n"
    "  --rapid-rate R      run: the rapid rate of the time estimate in mm/min\n"
    "                      (default 10000)\n"
    "  -h, --help          shows this text\n"
    "  --version           shows the version\n"
    "  --                  ends the options (for a TEXT or FILE that begins with -)\n"
    "\n"
    "exit status: 0 when everything parsed (and evaluated, or ran), 1 when\n"
    "something did not, 2 for a usage error, a file that cannot be read or output\n"
    "that cannot be written.\n";

namespace {

using Command = CommandLine::Command;

// A command is a row of kCommands, an enumerator of CommandLine::Command and
// a case in main(); an option is a row of kOptions naming the commands it
// applies to, and a reader that puts its value into the CommandLine.
enum class Operands { kFiles, kOneText, kProgram };

struct KnownCommand {
  std::string_view name;
  Command command;
  Operands operands;
};

constexpr KnownCommand kCommands[] = {
    {"parse", Command::kParse, Operands::kFiles}, {"check", Command::kCheck, Operands::kFiles},
    {"expr", Command::kExpr, Operands::kOneText}, {"eval", Command::kEval, Operands::kOneText},
    {"run", Command::kRun, Operands::kProgram},
};

// The commands an option applies to, as a set of bits.
using CommandSet = unsigned;
constexpr CommandSet Only(Command command) {
  return 1u << static_cast<unsigned>(command);
}
constexpr CommandSet kChannelCommands =
    Only(Command::kParse) | Only(Command::kCheck) | Only(Command::kExpr) | Only(Command::kEval) | Only(Command::kRun);

// Reads the option's value (empty for an option without one) into the
// command line; false with the reason when the value is not understood.
using OptionReader = bool (*)(std::string_view option, std::string_view value, CommandLine&, std::string& error);

struct KnownOption {
  std::string_view name;
  // The one-letter spelling, or 0.
  char letter;
  bool takesValue;
  CommandSet commands;
  OptionReader read;
};

bool SplitNames(std::string_view list, std::vector<std::string>& names) {
  names.clear();
  while (true) {
    const std::size_t comma = list.find(',');
    names.emplace_back(list.substr(0, comma));
    if (names.back().empty()) return false;
    if (comma == std::string_view::npos) return true;
    list.remove_prefix(comma + 1);
  }
}

bool ReadPlugin(std::string_view, std::string_view value, CommandLine& commandLine, std::string&) {
  commandLine.pluginPath = value;
  return true;
}

bool ReadAxes(std::string_view option, std::string_view value, CommandLine& commandLine, std::string& error) {
  const bool geometry = option == "--geo";
  std::vector<std::string>& names = geometry ? commandLine.geometryAxes : commandLine.axes;
  if (!SplitNames(value, names)) {
    error = std::string(option) + " needs a list of names separated by commas";
    return false;
  }
  if (geometry && names.size() > 3) {
    error = "--geo takes at most three axes";
    return false;
  }
  return true;
}

bool ReadSetting(std::string_view, std::string_view value, CommandLine& commandLine, std::string& error) {
  const std::size_t equals = value.find('=');
  if (equals == 0 || equals == std::string_view::npos) {
    error = "--set needs NAME=VALUE";
    return false;
  }
  // NC text is upper-cased before it is read, so only an upper-case name
  // can ever be reached from it.
  Orv::String name(value.substr(0, equals));
  Orv::StringUtil::ToUpper(name);
  commandLine.settings.push_back({std::string(name.data(), name.size()), std::string(value.substr(equals + 1))});
  return true;
}

bool ReadFormat(std::string_view, std::string_view value, CommandLine& commandLine, std::string& error) {
  if (value == "text") {
    commandLine.format = OutputFormat::kText;
  } else if (value == "json") {
    commandLine.format = OutputFormat::kJson;
  } else {
    error = "--format takes text or json, not '" + std::string(value) + "'";
    return false;
  }
  return true;
}

bool ReadJobs(std::string_view option, std::string_view value, CommandLine& commandLine, std::string& error) {
  constexpr int kMostJobs = 256;
  int jobs = 0;
  const auto [end, failure] = std::from_chars(value.data(), value.data() + value.size(), jobs);
  if (failure != std::errc() || end != value.data() + value.size() || jobs < 1 || jobs > kMostJobs) {
    error = std::string(option) + " needs a number of processes from 1 to " + std::to_string(kMostJobs);
    return false;
  }
  commandLine.jobs = jobs;
  return true;
}

bool ReadSvgPath(std::string_view, std::string_view value, CommandLine& commandLine, std::string&) {
  commandLine.svgPath = value;
  return true;
}

bool ReadMaxBlocks(std::string_view option, std::string_view value, CommandLine& commandLine, std::string& error) {
  std::int64_t blocks = 0;
  const auto [end, failure] = std::from_chars(value.data(), value.data() + value.size(), blocks);
  if (failure != std::errc() || end != value.data() + value.size() || blocks < 1) {
    error = std::string(option) + " needs a number of blocks of 1 or more";
    return false;
  }
  commandLine.maxBlocks = blocks;
  return true;
}

bool ReadRapidRate(std::string_view option, std::string_view value, CommandLine& commandLine, std::string& error) {
  double rate = 0.0;
  const auto [end, failure] = std::from_chars(value.data(), value.data() + value.size(), rate);
  if (failure != std::errc() || end != value.data() + value.size() || !(rate > 0.0) || !std::isfinite(rate)) {
    error = std::string(option) + " needs a rate in mm/min greater than 0";
    return false;
  }
  commandLine.rapidRate = rate;
  return true;
}

bool SetQuiet(std::string_view, std::string_view, CommandLine& commandLine, std::string&) {
  commandLine.quiet = true;
  return true;
}

bool AskForHelp(std::string_view, std::string_view, CommandLine& commandLine, std::string&) {
  commandLine.command = Command::kHelp;
  return true;
}

bool AskForVersion(std::string_view, std::string_view, CommandLine& commandLine, std::string&) {
  commandLine.command = Command::kVersion;
  return true;
}

constexpr CommandSet kEveryCommand = ~0u;

constexpr KnownOption kOptions[] = {
    {"--plugin", 0, true, kChannelCommands, ReadPlugin},
    {"--axes", 0, true, kChannelCommands, ReadAxes},
    {"--geo", 0, true, kChannelCommands, ReadAxes},
    {"--set", 0, true, kChannelCommands, ReadSetting},
    {"--format", 0, true, kChannelCommands, ReadFormat},
    {"--quiet", 'q', false, Only(Command::kCheck), SetQuiet},
    {"--jobs", 'j', true, Only(Command::kCheck), ReadJobs},
    {"--help", 'h', false, kEveryCommand, AskForHelp},
    {"--version", 0, false, kEveryCommand, AskForVersion},
    {"--svg", 0, true, Only(Command::kRun), ReadSvgPath},
    {"--max-blocks", 0, true, Only(Command::kRun), ReadMaxBlocks},
    {"--rapid-rate", 0, true, Only(Command::kRun), ReadRapidRate},
};

// An option as given: its table entry, the spelling used and its value.
struct GivenOption {
  const KnownOption* option;
  std::string spelling;
  std::string value;
};

const KnownOption* FindOption(std::string_view spelling) {
  for (const KnownOption& option : kOptions) {
    if (option.name == spelling || (option.letter != 0 && spelling.size() == 2 && spelling[1] == option.letter)) {
      return &option;
    }
  }
  return nullptr;
}

// Reads the option at argv[next] and its value, which follows it ('=' for
// a long option, directly for a short one) or is the next argument.
bool ReadGivenOption(int argc, const char* const* argv, int& next, GivenOption& given, std::string& error) {
  const std::string_view argument = argv[next];
  const bool longForm = argument.starts_with("--");
  const std::size_t split = longForm ? argument.find('=') : 2;
  const std::string_view spelling = argument.substr(0, split);
  given.option = FindOption(spelling);
  if (given.option == nullptr) {
    error = "unknown option '" + std::string(spelling) + "' (see tessan --help)";
    return false;
  }
  given.spelling = spelling;
  const bool attached = split < argument.size();
  if (!given.option->takesValue) {
    if (attached) {
      error = given.spelling + " takes no value";
      return false;
    }
    return true;
  }
  if (attached) {
    given.value = argument.substr(split + (longForm ? 1 : 0));
  } else if (next + 1 < argc) {
    given.value = argv[++next];
  } else {
    error = given.spelling + " needs a value";
    return false;
  }
  return true;
}

const KnownCommand* FindCommand(std::string_view name) {
  for (const KnownCommand& command : kCommands) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

bool CheckOperands(const KnownCommand& command, const CommandLine& commandLine, std::string& error) {
  if (command.operands == Operands::kOneText && commandLine.operands.size() != 1) {
    error = std::string(command.name) + " takes exactly one TEXT";
    return false;
  }
  if (command.operands == Operands::kProgram && commandLine.operands.empty()) {
    error = std::string(command.name) + " needs a MAIN program";
    return false;
  }
  return true;
}

}  // namespace

bool ReadCommandLine(int argc, const char* const* argv, CommandLine& commandLine, std::string& error) {
  std::vector<GivenOption> options;
  std::string commandName;
  bool optionsEnded = false;
  std::string firstError;
  for (int next = 1; next < argc; ++next) {
    const std::string_view argument = argv[next];
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
      GivenOption given;
      std::string optionError;
      if (ReadGivenOption(argc, argv, next, given, optionError)) {
        options.push_back(std::move(given));
      } else if (firstError.empty()) {
        firstError = std::move(optionError);
      }
    } else if (commandName.empty() && !optionsEnded) {
      commandName = argument;
    } else {
      commandLine.operands.emplace_back(argument);
    }
  }
  // Help and version are shown whatever else the line holds.
  for (const GivenOption& given : options) {
    if (given.option->commands == kEveryCommand) return given.option->read(given.spelling, "", commandLine, error);
  }
  if (!firstError.empty()) {
    error = std::move(firstError);
    return false;
  }
  if (commandName.empty()) {
    error = "no command given (see tessan --help)";
    return false;
  }
  const KnownCommand* command = FindCommand(commandName);
  if (command == nullptr) {
    error = "unknown command '" + commandName + "' (see tessan --help)";
    return false;
  }
  commandLine.command = command->command;
  for (const GivenOption& given : options) {
    if ((given.option->commands & Only(command->command)) == 0) {
      error = given.spelling + " does not apply to " + commandName;
      return false;
    }
    if (!given.option->read(given.spelling, given.value, commandLine, error)) return false;
  }
  return CheckOperands(*command, commandLine, error);
}

}  // namespace Velkor::Tessan
