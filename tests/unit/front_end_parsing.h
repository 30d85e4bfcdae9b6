// A test fixture that parses blocks and expressions as a host would, on a
// reference-host channel prepared by the controller state, so that frames
// and axes are structures of the controller's types. The method mapper that
// tells the host the controller's names is the plug-in's own unless a test
// brings one.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controller/controller_state.h"
#include "controller/method_mapper.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/plugin.h"
#include "orvref/execution_context.h"
#include "orvref/parse_context.h"
#include "parser/program_parser.h"

namespace Velkor::OrvTessan {

class FrontEndParsing : public testing::Test {
 protected:
  explicit FrontEndParsing(std::unique_ptr<Orv::IMethodMapper> methods = std::make_unique<MethodMapper>())
      : methods_(std::move(methods)) {
    context_.SetMethodMapper(methods_.get());
    ControllerState state;
    EXPECT_EQ(state.Initialize(&context_.channel()), Orv::ORV_SUCCESS);
  }

  // Parses one block into a fresh block of the recording context.
  Orv::TResult ParseBlock(const std::string& block) {
    recorder_.BeginBlock();
    kind_ = -1;
    message_ = "untouched";
    return parser_.ParseBlock(Orv::String(block.data(), block.size()), &recorder_, &kind_, &message_);
  }

  Orv::TResult ParseExpression(const std::string& text, Orv::SmartPointer<Orv::INCExpression>& result) {
    kind_ = -1;
    message_ = "untouched";
    return parser_.ParseExpression(Orv::String(text.data(), text.size()), &context_, &result, &kind_, &message_);
  }

  std::unique_ptr<Orv::IMethodMapper> methods_;
  OrvReference::ExecutionContext context_;
  OrvReference::RecordingParseContext recorder_{context_};
  ProgramParser parser_;
  std::int32_t kind_ = -1;
  Orv::String message_;
};

}  // namespace Velkor::OrvTessan
