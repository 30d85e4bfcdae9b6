// tessan: drives the controller plug-in from the command line, against the
// reference host. A small shell: the work is done by the commands.
#include <cstdio>

#include "commands.h"
#include "output.h"

using namespace Velkor::Tessan;

namespace {

int Run(const CommandLine& commandLine) {
  using Command = CommandLine::Command;
  if (commandLine.command == Command::kHelp) {
    WriteOutput(kUsage);
    return kExitSuccess;
  }
  if (commandLine.command == Command::kVersion) {
    WriteOutput("tessan " TESSAN_VERSION "\n");
    return kExitSuccess;
  }
  std::string error;
  const std::unique_ptr<Session> session = Session::Open(commandLine, error);
  if (!session) {
    std::fprintf(stderr, "tessan: %s\n", error.c_str());
    return kExitError;
  }
  switch (commandLine.command) {
    case Command::kParse:
      return RunParse(*session, commandLine);
    case Command::kCheck:
      return RunCheck(*session, commandLine);
    case Command::kExpr:
      return RunExpr(*session, commandLine);
    case Command::kRun:
      return RunRun(*session, commandLine);
    default:
      return RunEval(*session, commandLine);
  }
}

}  // namespace

int main(int argc, char** argv) {
  CommandLine commandLine;
  std::string error;
  if (!ReadCommandLine(argc, argv, commandLine, error)) {
    std::fprintf(stderr, "tessan: %s\n", error.c_str());
    return kExitError;
  }
  return FinishOutput(Run(commandLine));
}
