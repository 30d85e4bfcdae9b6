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

// The host's own copy of the plug-in's message for a block too long to
// parse: a line longer than the program store hands out is refused with it,
// message kind 0, without being parsed.
inline constexpr const char* kLineTooLongMessage =
    "The current line exceeds the maximum length permitted by the controller.";

int RunParse(Session& session, const CommandLine& commandLine);
int RunCheck(Session& session, const CommandLine& commandLine);
int RunExpr(Session& session, const CommandLine& commandLine);
int RunEval(Session& session, const CommandLine& commandLine);

}  // namespace Velkor::Tessan
