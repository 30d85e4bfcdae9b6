// The commands of tessan. Each writes its output to standard output and
// returns the exit status.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "session.h"

namespace Velkor::Tessan {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// The message out-parameters of a parser call, and whether it wrote them.
struct ParserMessage {
  static constexpr std::int32_t kUnwritten = std::numeric_limits<std::int32_t>::min();

  std::int32_t kind = kUnwritten;
  Orv::String text;

  bool Written() const { return kind != kUnwritten || !text.empty(); }
  // "<kind> <text>", each "-" when it was not written.
  std::string Fields() const;
};

// The host's own copy of the plug-in's message for a block too long to
// parse: a line longer than the program store hands out is refused with it,
// message kind 0, without being parsed.
inline constexpr const char* kLineTooLongMessage =
    "The current line exceeds the maximum length permitted by the controller.";

int RunParse(Session& session, const std::vector<std::string>& files);
int RunExpr(Session& session, const std::string& text);
int RunEval(Session& session, const std::string& text);

}  // namespace Velkor::Tessan
