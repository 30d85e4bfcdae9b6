// The machine's program parser: turns one NC block into statements of the
// host's parse context, or one bare expression into a host expression.
#pragma once

#include "orv/base.h"
#include "orv/context.h"
#include "orv/expressions.h"
#include "orv/plugin.h"

namespace Velkor::OrvTessan {

class ProgramParser final : public Orv::IProgramParser {
 public:
  // Forgets every macro defined so far, by any parser of the process.
  ProgramParser();
  ~ProgramParser() override;

  Orv::TResult ParseBlock(const Orv::String& block, Orv::IParseContext* context, std::int32_t* messageKind,
                          Orv::String* message) override;
  Orv::TResult ParseExpression(const Orv::String& text, Orv::IExecutionContext* context,
                               Orv::SmartPointer<Orv::INCExpression>* result, std::int32_t* messageKind,
                               Orv::String* message) override;
};

}  // namespace Velkor::OrvTessan
