// Reference host: a parse context that records every call of the plug-in,
// in order, as the lines of the block trace. It refuses what the discarding
// context refuses and enters the same declarations into the scope.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/context.h"
#include "orv/expressions.h"
#include "orv/types.h"
#include "orvref/discarding_parse_context.h"
#include "orvref/execution_context.h"

namespace Velkor::OrvReference {

class RecordingParseContext final : public Orv::IParseContext, private SubprogramListener {
 public:
  enum class ItemKind {
    kLabel,
    kCommand,
    kComputedCommand,
    kInternalCommand,
    kAssignment,
    kStructAssignment,
    kGoto,
    kConditionalGoto,
    kStructuredJump,
    kStructuredConditionalJump,
    kDeclaration,
    kSkipLevel,
    kSyncMode,
    kSyncBegin,
    kSyncCancel,
    kSubprogram,
    kParameterMode,
  };

  struct Item {
    ItemKind kind;
    // Where the item's line lies in Trace(), without its line feed.
    std::size_t lineStart;
    std::size_t lineLength;
    // Of assignments: what is assigned to, and the value.
    Orv::SmartPointer<Orv::INCObjectExpression> target;
    Orv::SmartPointer<Orv::INCObjectExpression> value;
  };

  // Declarations go into the context's variable scope at once; the
  // subprogram declarations made through its channel are recorded too.
  explicit RecordingParseContext(ExecutionContext& context);
  ~RecordingParseContext() override;
  RecordingParseContext(const RecordingParseContext&) = delete;
  RecordingParseContext& operator=(const RecordingParseContext&) = delete;

  // Starts a block: no items, synchronisation mode 0, the channel's record
  // of undeclared subprograms emptied, and the subprograms the block
  // declares recorded here (whatever context began the block before).
  void BeginBlock();
  const std::vector<Item>& items() const { return items_; }
  // The item lines of the block, each ended by a line feed.
  const std::string& Trace() const { return trace_; }
  // One item's line of the block trace, without a line ending.
  std::string_view Line(const Item& item) const {
    return std::string_view(trace_).substr(item.lineStart, item.lineLength);
  }

  Orv::IExecutionContext* GetExecutionContext() override { return &context_; }
  // Records the mode only when it changes.
  void SetSyncMode(std::int32_t mode) override;
  std::int32_t GetSyncMode() const override { return decisions_.GetSyncMode(); }
  void SetSkipLevel(std::int32_t level) override;

  // Every call is recorded; those missing an expression they need fail.
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
  // or without a structure type is recorded but not entered.
  Orv::TResult DeclareVariable(Orv::INCExpression* name, std::int32_t typeCode, std::int32_t scope,
                               Orv::INCExpression* initialValue) override;
  Orv::TResult DeclareArrayVariable(Orv::INCExpression* name, Orv::INCArrayType* type, std::int32_t scope) override;
  Orv::TResult DeclareStructVariable(Orv::INCExpression* name, Orv::INCStructType* type, std::int32_t scope) override;
  Orv::TResult BeginSynchronizedAction(const Orv::String& id, Orv::INCExpression* condition,
                                       std::int32_t kind) override;
  Orv::TResult CancelSynchronizedAction(const Orv::String& id) override;

 private:
  void SubprogramDeclared(const Orv::String& name) override;
  void ParameterModeAdded(const Orv::String& name, std::int32_t mode) override;

  // Appends the item's line to the trace: the tag and the fields, each
  // after a blank.
  template <class... Fields>
  void Record(ItemKind kind, std::string_view tag, const Fields&... fields);
  // Records an assignment together with its target and value.
  void RecordAssignment(ItemKind kind, std::string_view tag, Orv::INCObjectExpression* target,
                        Orv::INCObjectExpression* value);

  ExecutionContext& context_;
  // Whether a call is refused and what enters the scope.
  DiscardingParseContext decisions_;
  std::vector<Item> items_;
  std::string trace_;
};

}  // namespace Velkor::OrvReference
