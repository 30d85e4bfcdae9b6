// tessan: drives the controller plug-in from the command line, against the
// reference host. A small shell: the work is done by the commands.
#include <cstdio>

#include "commands.h"

using namespace Velkor::Tessan;

int main(int argc, char** argv) {
  CommandLine commandLine;
  std::string error;
  if (!ReadCommandLine(argc, argv, commandLine, error)) {
    std::fprintf(stderr, "tessan: %s\n", error.c_str());
    return kExitUsage;
  }
  if (commandLine.command == CommandLine::Command::kHelp) {
    std::fputs(kUsage, stdout);
    return kExitSuccess;
  }
  const std::unique_ptr<Session> session = Session::Open(commandLine, error);
  if (!session) {
    std::fprintf(stderr, "tessan: %s\n", error.c_str());
    return kExitUsage;
  }
  switch (commandLine.command) {
    case CommandLine::Command::kParse:
      return RunParse(*session, commandLine.operands);
    case CommandLine::Command::kExpr:
      return RunExpr(*session, commandLine.operands.front());
    default:
      return RunEval(*session, commandLine.operands.front());
  }
}
