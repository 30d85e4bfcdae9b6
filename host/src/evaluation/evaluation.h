// The state of one evaluation of an expression tree: the context a running
// program reads its variables and calls its functions through, and why the
// evaluation failed.
#pragma once

#include <string>

namespace Velkor::OrvReference {

class ExecutionContext;

class Evaluation {
 public:
  // Without a context, only constants, conversions and operators have a
  // value: nothing runs while a block is being parsed.
  explicit Evaluation(ExecutionContext* context) : context_(context) {}

  ExecutionContext* context() const { return context_; }

  // Records why the evaluation failed (the first reason counts) and returns
  // false, so that a step can end with `return evaluation.Fail(...)`.
  bool Fail(std::string message);
  const std::string& message() const { return message_; }

 private:
  ExecutionContext* context_;
  std::string message_;
};

}  // namespace Velkor::OrvReference
