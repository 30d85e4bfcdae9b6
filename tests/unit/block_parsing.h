// A test fixture that parses blocks as a host would: the reference host's
// execution context with stand-in FRAME and AXIS types, a recording parse
// context and the plug-in's program parser.
#pragma once

#include <gtest/gtest.h>

#include "orv/base.h"
#include "orv/factories.h"
#include "orv/types.h"
#include "orvref/parse_context.h"
#include "parser/program_parser.h"

namespace Velkor::OrvTessan {

class BlockParsing : public testing::Test {
 protected:
  BlockParsing() {
    // Every parse needs structure types named FRAME and AXIS; their members
    // do not matter to the parser.
    Orv::SmartPointer<Orv::INCBasicType> text;
    context_.GetValueFactory()->GetBasicType(Orv::BasicType::String, text);
    const Orv::StructMemberDeclaration name{text.get(), "Name"};
    context_.GetStructTypeFactory()->CreateStructType(1, &name, 0, frame_);
    context_.GetStructTypeFactory()->CreateStructType(1, &name, 0, axis_);
    context_.types().RegisterType("FRAME", frame_.get());
    context_.types().RegisterType("AXIS", axis_.get());
  }

  // Parses one block into a fresh block of the recording context.
  Orv::TResult Parse(const char* block) {
    recorder_.BeginBlock();
    kind_ = -1;
    message_ = "untouched";
    return parser_.ParseBlock(block, &recorder_, &kind_, &message_);
  }

  OrvReference::ExecutionContext context_;
  Orv::SmartPointer<Orv::INCStructType> frame_;
  Orv::SmartPointer<Orv::INCStructType> axis_;
  OrvReference::RecordingParseContext recorder_{context_};
  ProgramParser parser_;
  std::int32_t kind_ = -1;
  Orv::String message_;
};

}  // namespace Velkor::OrvTessan
