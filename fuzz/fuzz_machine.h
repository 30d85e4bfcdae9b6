// What every fuzz target drives: the plug-in's objects made through its two
// exports, and one reference-host channel that serves every input. Each
// input finds the channel as it was set up and machine objects that know
// nothing of the inputs before it: the mappers keep no state between calls,
// and the parser's only memory of its inputs is the macros they define, so
// the machine objects are made anew only after an input that may define one
// (a new program parser forgets them). After each input the host objects
// alive must be as many as before it and nothing may have been written to
// standard output; otherwise the target aborts, so that the fuzzer keeps the
// input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "orv/base.h"
#include "orv/context.h"
#include "orv/expressions.h"
#include "orv/plugin.h"
#include "orvref/execution_context.h"
#include "orvref/parse_context.h"

namespace Velkor::Fuzz {

// The host side of the inputs: a channel prepared by the plug-in's
// controller state, holding one program with subprograms, and a parse
// context that records the blocks' items.
struct Channel {
  OrvReference::ExecutionContext context;
  OrvReference::RecordingParseContext recorder{context};
};

// The outcome of one parse: its result, message and trace.
struct Parsed {
  Orv::TResult result = 0;
  std::int32_t kind = 0;
  Orv::String message;
  std::string trace;
};

class FuzzMachine {
 public:
  // The machine of this process, made on first use.
  static FuzzMachine& Get();

  Orv::IProgramParser& parser() { return *parser_; }
  Orv::ICommandMapper& commands() { return *commands_; }
  Orv::IMethodMapper& methods() { return *methods_; }

  // Runs `input` on the channel, then checks what it left and puts the
  // channel back as it was set up; `bytes` are the input's, read for a
  // definition of a macro.
  template <class Input>
  void Run(std::string_view bytes, Input input) {
    input(channel_);
    EndInput(bytes);
  }

  // Parses a block, its trace rendered; `context`, when given, receives
  // the block in place of the channel's recorder, which it must feed.
  Parsed ParseBlock(Channel& channel, std::string_view block, Orv::IParseContext* context = nullptr);
  // Parses an expression, rendered as a host expression tree.
  Parsed ParseExpression(Channel& channel, std::string_view text, Orv::SmartPointer<Orv::INCExpression>& result);

 private:
  FuzzMachine();
  ~FuzzMachine();
  void PrepareChannel();
  void MakeMachineObjects();
  void DeleteMachineObjects();
  // Lets go of the last block's items, puts the channel back and makes the
  // machine objects anew if `bytes` may define a macro, then checks the
  // live count and standard output.
  void EndInput(std::string_view bytes);

  Orv::IProgramParser* parser_ = nullptr;
  Orv::ICommandMapper* commands_ = nullptr;
  Orv::IMethodMapper* methods_ = nullptr;
  Channel channel_;
  std::int64_t liveAfterSetup_ = 0;
};

// Whether `bytes` hold the word DEFINE in any case: only a DEFINE statement
// adds a macro, and the plug-in upper-cases a block before it scans it.
bool MayDefineMacro(std::string_view bytes);

inline std::string_view TextOf(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The lines of an input: split at LF, a CR before it dropped; at most
// `limit` lines.
std::vector<std::string_view> LinesOf(const std::uint8_t* data, std::size_t size, std::size_t limit = 64);

// Stops the process with `what` on standard error: a fault the fuzzer keeps.
[[noreturn]] void Fault(const std::string& what);

}  // namespace Velkor::Fuzz
