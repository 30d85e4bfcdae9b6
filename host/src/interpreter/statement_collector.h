// A parse context that keeps the statements of one block, with their
// expressions, for the interpreter to run.
#pragma once

#include "interpreter/statement.h"
#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/context.h"
#include "orv/expressions.h"
#include "orv/types.h"

namespace Velkor::OrvReference {

class ExecutionContext;

class StatementCollector final : public Orv::IParseContext {
 public:
  explicit StatementCollector(ExecutionContext& context) : context_(context) {}

  // Starts a block whose statements go to `statements`, until End. With
  // `declare`, declarations enter the variable scope at once, as the block
  // is parsed to run; without, the parse only looks for labels and leaves
  // the variables alone.
  void Begin(bool declare, std::vector<Statement>& statements);
  void End() { statements_ = nullptr; }

  Orv::IExecutionContext* GetExecutionContext() override;
  void SetSyncMode(std::int32_t mode) override { syncMode_ = mode; }
  std::int32_t GetSyncMode() const override { return syncMode_; }
  // Blocks run whatever their skip level.
  void SetSkipLevel(std::int32_t) override {}

  // Those missing an expression they need fail, as with every host.
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
  // The name must be a constant text.
  Orv::TResult DeclareVariable(Orv::INCExpression* name, std::int32_t typeCode, std::int32_t scope,
                               Orv::INCExpression* initialValue) override;
  Orv::TResult DeclareArrayVariable(Orv::INCExpression* name, Orv::INCArrayType* type, std::int32_t scope) override;
  Orv::TResult DeclareStructVariable(Orv::INCExpression* name, Orv::INCStructType* type, std::int32_t scope) override;
  Orv::TResult BeginSynchronizedAction(const Orv::String& id, Orv::INCExpression* condition,
                                       std::int32_t kind) override;
  Orv::TResult CancelSynchronizedAction(const Orv::String& id) override;

 private:
  Statement& Append(Statement::Kind kind);
  void Jump(Statement::Kind kind, Orv::INCExpression* condition, Orv::INCExpression* label, std::int32_t direction,
            const Orv::String& startLabel, const Orv::String& endLabel);
  Orv::TResult Declare(Orv::INCExpression* name, Statement::Declared declared, std::int32_t typeCode,
                       Orv::INCType* type, std::int32_t scope);

  ExecutionContext& context_;
  std::vector<Statement>* statements_ = nullptr;
  std::int32_t syncMode_ = 0;
  bool declare_ = true;
};

}  // namespace Velkor::OrvReference
