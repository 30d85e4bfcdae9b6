// The NC texts the project keeps (every golden input, every bundled example)
// and a channel to parse them on: for tests that compare two ways of
// parsing over all of them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "controller/controller_state.h"
#include "controller/method_mapper.h"
#include "orv/base.h"
#include "orvref/execution_context.h"
#include "parser/program_parser.h"

namespace Velkor::OrvTessan {

// The lines of every golden block input, every example and, with
// `withFuzzCorpus`, every program of the block fuzz corpus, without their
// line endings, file by file; the expressions of the golden expression
// cases (and of the expression fuzz corpus) as one more file.
std::vector<std::vector<std::string>> ProgramCorpus(bool withFuzzCorpus = true);

// A channel prepared by the controller state, a parse context of type
// `Context` on it and a parser of its own.
template <typename Context>
struct ParsingChannel {
  ParsingChannel() {
    context.SetMethodMapper(&methods);
    ControllerState state;
    EXPECT_EQ(state.Initialize(&context.channel()), Orv::ORV_SUCCESS);
  }
  ~ParsingChannel() { context.SetMethodMapper(nullptr); }

  // The result code, message kind and message of one block.
  std::string Parse(const std::string& block) {
    parseContext.BeginBlock();
    std::int32_t kind = -1;
    Orv::String message = "-";
    const Orv::TResult result =
        parser.ParseBlock(Orv::String(block.data(), block.size()), &parseContext, &kind, &message);
    return std::to_string(result) + ' ' + std::to_string(kind) + ' ' + message.c_str();
  }

  MethodMapper methods;
  OrvReference::ExecutionContext context;
  Context parseContext{context};
  ProgramParser parser;
};

}  // namespace Velkor::OrvTessan
