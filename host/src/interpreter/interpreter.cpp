#include "orvref/interpreter.h"

#include "interpreter/execution.h"

namespace Velkor::OrvReference {

Interpreter::Interpreter(ExecutionContext& context, Orv::IProgramParser& parser, Orv::ICommandMapper& commands,
                         RunListener& listener)
    : execution_(std::make_unique<Execution>(context, parser, commands, listener)) {}

Interpreter::~Interpreter() = default;

RunOutcome Interpreter::Run(std::int32_t program, const RunLimits& limits) {
  return execution_->Run(program, limits);
}

}  // namespace Velkor::OrvReference
