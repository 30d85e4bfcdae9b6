// Reference host: a parse context that takes every decision the recording
// context takes (which calls it refuses, the declarations it enters into the
// variable scope at once) and keeps nothing of the statements it is handed.
// What a parse costs without a trace, and what a syntax check needs.
#pragma once

#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/context.h"
#include "orv/expressions.h"
#include "orv/types.h"
#include "orvref/execution_context.h"

namespace Velkor::OrvReference {

class DiscardingParseContext final : public Orv::IParseContext {
 public:
  explicit DiscardingParseContext(ExecutionContext& context) : context_(context) {}

  // Starts a block: synchronisation mode 0, the channel's record of
  // undeclared subprograms emptied, and no parse context told of the
  // subprograms the block declares.
  void BeginBlock();

  Orv::IExecutionContext* GetExecutionContext() override { return &context_; }
  void SetSyncMode(std::int32_t mode) override { syncMode_ = mode; }
  std::int32_t GetSyncMode() const override { return syncMode_; }
  void SetSkipLevel(std::int32_t) override {}

  // Calls missing an expression they need fail.
  Orv::TResult AddLabel(const Orv::String& label) override;
  Orv::TResult AddCommand(const Orv::String& name, Orv::ArgumentExpressionList* arguments, std::int32_t flag) override;
  Orv::TResult AddComputedCommand(Orv::INCExpression* name, Orv::ArgumentExpressionList* arguments,
                                  std::int32_t flag) override;
  Orv::TResult AddInternalCommand(const Orv::String& name, Orv::ArgumentExpressionList* arguments) override;
  Orv::TResult AddAssignment(Orv::INCLValue* target, Orv::INCExpression* value) override;
  Orv::TResult AddStructAssignment(Orv::INCStructExpression* target, Orv::INCStructExpression* value) override;
  Orv::TResult AddGoto(Orv::INCExpression* label, std::int32_t direction, std::int32_t flag) override;
  Orv::TResult AddConditionalGoto(Orv::INCExpression* condition, Orv::INCExpression* label,
                                  std::int32_t direction) override;
  Orv::TResult AddStructuredJump(Orv::INCExpression* label, std::int32_t direction, const Orv::String& startLabel,
                                 const Orv::String& endLabel, std::int32_t flag) override;
  Orv::TResult AddStructuredConditionalJump(Orv::INCExpression* condition, Orv::INCExpression* label,
                                            std::int32_t direction, const Orv::String& startLabel,
                                            const Orv::String& endLabel) override;
  // The name must be a constant text; a declaration of an unknown type code
  // is refused.
  Orv::TResult DeclareVariable(Orv::INCExpression* name, std::int32_t typeCode, std::int32_t scope,
                               Orv::INCExpression* initialValue) override;
  Orv::TResult DeclareArrayVariable(Orv::INCExpression* name, Orv::INCArrayType* type, std::int32_t scope) override;
  Orv::TResult DeclareStructVariable(Orv::INCExpression* name, Orv::INCStructType* type, std::int32_t scope) override;
  Orv::TResult BeginSynchronizedAction(const Orv::String& id, Orv::INCExpression* condition,
                                       std::int32_t kind) override;
  Orv::TResult CancelSynchronizedAction(const Orv::String& id) override;

 private:
  ExecutionContext& context_;
  std::int32_t syncMode_ = 0;
};

}  // namespace Velkor::OrvReference
