// The commands of tessan. Each reads its operands and options from the
// command line, writes its output to standard output and returns the exit
// status.
#pragma once

#include "parser_message.h"
#include "session.h"

namespace Velkor::Tessan {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
// A usage error, an input that cannot be read or output that cannot be
// written.
inline constexpr int kExitError = 2;

using OrvReference::kLineTooLongMessage;

int RunParse(Session& session, const CommandLine& commandLine);
int RunCheck(Session& session, const CommandLine& commandLine);
int RunExpr(Session& session, const CommandLine& commandLine);
int RunEval(Session& session, const CommandLine& commandLine);
int RunRun(Session& session, const CommandLine& commandLine);

}  // namespace Velkor::Tessan
