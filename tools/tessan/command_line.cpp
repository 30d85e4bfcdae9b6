#include "command_line.h"

#include <cstring>
#include <map>
#include <string_view>

namespace Velkor::Tessan {

const char kUsage[] =
    "usage: tessan parse [OPTIONS] [FILE...]\n"
    "       tessan expr [OPTIONS] TEXT\n"
    "       tessan eval [OPTIONS] TEXT\n"
    "       tessan --help\n"
    "\n"
    "Loads the controller plug-in and drives it against the reference host.\n"
    "\n"
    "commands:\n"
    "  parse   parses each line of each FILE (standard input when there is none,\n"
    "          or for -) as one block and prints the block trace: a header\n"
    "          '@<line> <text>', one line per item the plug-in delivered, and\n"
    "          'ERROR <kind> <message>' for a block that failed. A call that passes\n"
    "          arguments to a subprogram without EXTERN is reported on standard error.\n"
    "  expr    parses TEXT as one expression and prints 'EXPR <expression>', or\n"
    "          'ERROR <kind> <message>' when it fails.\n"
    "  eval    parses TEXT as one expression, evaluates it in the reference host\n"
    "          and prints its value, or 'ERROR <message>' when that fails.\n"
    "\n"
    "options (between the command and its operands):\n"
    "  --plugin PATH       the plug-in to load (default: libtessan.so next to tessan)\n"
    "  --axes NAME,...     the channel's axes, indexed from 0 (default: X,Y,Z,A,B,C)\n"
    "  --geo NAME,...      the channel's geometry axes, at most three (default: X,Y,Z)\n"
    "  --set NAME=VALUE    declares one more scalar variable with that value: TRUE or\n"
    "                      FALSE gives a BOOL, an integer an INT, a number with a point\n"
    "                      or an exponent a REAL, a text in double quotes a STRING;\n"
    "                      may be repeated\n"
    "  --help              shows this text\n"
    "  --                  ends the options (for a TEXT that begins with -)\n"
    "\n"
    "exit status: 0 when everything parsed (and evaluated), 1 when something did\n"
    "not, 2 for a usage or input error.\n";

namespace {

using Command = CommandLine::Command;

const std::map<std::string_view, Command> kCommands = {
    {"parse", Command::kParse}, {"expr", Command::kExpr}, {"eval", Command::kEval}};

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

// Reads one option and its value (the next argument, or after '=').
bool ReadOption(std::string_view option, std::string_view value, CommandLine& commandLine, std::string& error) {
  if (option == "--plugin") {
    commandLine.pluginPath = value;
  } else if (option == "--axes" || option == "--geo") {
    std::vector<std::string>& names = option == "--axes" ? commandLine.axes : commandLine.geometryAxes;
    if (!SplitNames(value, names)) {
      error = std::string(option) + " needs a list of names separated by commas";
      return false;
    }
    if (option == "--geo" && names.size() > 3) {
      error = "--geo takes at most three axes";
      return false;
    }
  } else {
    const std::size_t equals = value.find('=');
    if (equals == 0 || equals == std::string_view::npos) {
      error = "--set needs NAME=VALUE";
      return false;
    }
    commandLine.settings.push_back({std::string(value.substr(0, equals)), std::string(value.substr(equals + 1))});
  }
  return true;
}

}  // namespace

bool ReadCommandLine(int argc, const char* const* argv, CommandLine& commandLine, std::string& error) {
  if (argc < 2) {
    error = "no command given (see tessan --help)";
    return false;
  }
  const auto command = kCommands.find(argv[1]);
  if (std::strcmp(argv[1], "--help") == 0) {
    commandLine.command = Command::kHelp;
    return true;
  }
  if (command == kCommands.end()) {
    error = std::string("unknown command '") + argv[1] + "' (see tessan --help)";
    return false;
  }
  commandLine.command = command->second;
  int next = 2;
  for (; next < argc; ++next) {
    const std::string_view argument = argv[next];
    if (argument == "--") {
      ++next;
      break;
    }
    if (argument == "--help") {
      commandLine.command = Command::kHelp;
      return true;
    }
    if (argument.size() < 2 || argument[0] != '-') break;
    const std::size_t equals = argument.find('=');
    const std::string_view option = argument.substr(0, equals);
    if (option != "--plugin" && option != "--axes" && option != "--geo" && option != "--set") {
      error = "unknown option '" + std::string(argument) + "' (see tessan --help)";
      return false;
    }
    std::string_view value;
    if (equals != std::string_view::npos) {
      value = argument.substr(equals + 1);
    } else if (next + 1 < argc) {
      value = argv[++next];
    } else {
      error = std::string(option) + " needs a value";
      return false;
    }
    if (!ReadOption(option, value, commandLine, error)) return false;
  }
  commandLine.operands.assign(argv + next, argv + argc);
  if (commandLine.command != Command::kParse && commandLine.operands.size() != 1) {
    error = std::string(argv[1]) + " takes exactly one TEXT";
    return false;
  }
  return true;
}

}  // namespace Velkor::Tessan
