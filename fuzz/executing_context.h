// A parse context for the eval target: everything goes to the recording
// context, and the internal commands ("AssignArray", "AssignString") are
// kept with their argument expressions, so that they can be executed as a
// running program executes them.
#pragma once

#include <vector>

#include "fuzz_machine.h"
#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/context.h"
#include "orv/expressions.h"
#include "orv/types.h"

namespace Velkor::Fuzz {

class ExecutingContext final : public Orv::IParseContext {
 public:
  struct InternalCommand {
    Orv::String name;
    Orv::SmartPointer<Orv::ArgumentExpressionList> arguments;
  };

  explicit ExecutingContext(OrvReference::RecordingParseContext& recorder) : recorder_(recorder) {}

  // The internal commands of the block, taken.
  std::vector<InternalCommand> TakeInternalCommands() { return std::move(internalCommands_); }

  Orv::IExecutionContext* GetExecutionContext() override { return recorder_.GetExecutionContext(); }
  void SetSyncMode(std::int32_t mode) override { recorder_.SetSyncMode(mode); }
  std::int32_t GetSyncMode() const override { return recorder_.GetSyncMode(); }
  void SetSkipLevel(std::int32_t level) override { recorder_.SetSkipLevel(level); }
  Orv::TResult AddLabel(const Orv::String& label) override { return recorder_.AddLabel(label); }
  Orv::TResult AddCommand(const Orv::String& name, Orv::ArgumentExpressionList* arguments, std::int32_t flag) override {
    return recorder_.AddCommand(name, arguments, flag);
  }
  Orv::TResult AddComputedCommand(Orv::INCExpression* name, Orv::ArgumentExpressionList* arguments,
                                  std::int32_t flag) override {
    return recorder_.AddComputedCommand(name, arguments, flag);
  }
  Orv::TResult AddInternalCommand(const Orv::String& name, Orv::ArgumentExpressionList* arguments) override {
    const Orv::TResult added = recorder_.AddInternalCommand(name, arguments);
    if (added == Orv::ORV_SUCCESS && arguments) internalCommands_.push_back({name, arguments});
    return added;
  }
  Orv::TResult AddAssignment(Orv::INCLValue* target, Orv::INCExpression* value) override {
    return recorder_.AddAssignment(target, value);
  }
  Orv::TResult AddStructAssignment(Orv::INCStructExpression* target, Orv::INCStructExpression* value) override {
    return recorder_.AddStructAssignment(target, value);
  }
  Orv::TResult AddGoto(Orv::INCExpression* label, std::int32_t direction, std::int32_t flag) override {
    return recorder_.AddGoto(label, direction, flag);
  }
  Orv::TResult AddConditionalGoto(Orv::INCExpression* condition, Orv::INCExpression* label,
                                  std::int32_t direction) override {
    return recorder_.AddConditionalGoto(condition, label, direction);
  }
  Orv::TResult AddStructuredJump(Orv::INCExpression* label, std::int32_t direction, const Orv::String& startLabel,
                                 const Orv::String& endLabel, std::int32_t flag) override {
    return recorder_.AddStructuredJump(label, direction, startLabel, endLabel, flag);
  }
  Orv::TResult AddStructuredConditionalJump(Orv::INCExpression* condition, Orv::INCExpression* label,
                                            std::int32_t direction, const Orv::String& startLabel,
                                            const Orv::String& endLabel) override {
    return recorder_.AddStructuredConditionalJump(condition, label, direction, startLabel, endLabel);
  }
  Orv::TResult DeclareVariable(Orv::INCExpression* name, std::int32_t typeCode, std::int32_t scope,
                               Orv::INCExpression* initialValue) override {
    return recorder_.DeclareVariable(name, typeCode, scope, initialValue);
  }
  Orv::TResult DeclareArrayVariable(Orv::INCExpression* name, Orv::INCArrayType* type, std::int32_t scope) override {
    return recorder_.DeclareArrayVariable(name, type, scope);
  }
  Orv::TResult DeclareStructVariable(Orv::INCExpression* name, Orv::INCStructType* type, std::int32_t scope) override {
    return recorder_.DeclareStructVariable(name, type, scope);
  }
  Orv::TResult BeginSynchronizedAction(const Orv::String& id, Orv::INCExpression* condition,
                                       std::int32_t kind) override {
    return recorder_.BeginSynchronizedAction(id, condition, kind);
  }
  Orv::TResult CancelSynchronizedAction(const Orv::String& id) override {
    return recorder_.CancelSynchronizedAction(id);
  }

 private:
  OrvReference::RecordingParseContext& recorder_;
  std::vector<InternalCommand> internalCommands_;
};

}  // namespace Velkor::Fuzz
