#include "orvref/parse_context.h"

#include "orvref/text_forms.h"
#include "trace/trace_forms.h"
#include "values/basic_type.h"

namespace Velkor::OrvReference {
namespace {

std::string Text(const Orv::String& text) {
  return std::string(text.data(), text.size());
}

std::string Number(std::int32_t number) {
  return std::to_string(number);
}

std::string Quoted(const Orv::String& text) {
  return QuotedText(std::string_view(text.data(), text.size()), '"');
}

}  // namespace

RecordingParseContext::RecordingParseContext(ExecutionContext& context) : context_(context), decisions_(context) {
  context_.channel().SetSubprogramListener(this);
}

RecordingParseContext::~RecordingParseContext() {
  context_.channel().SetSubprogramListener(nullptr);
}

void RecordingParseContext::BeginBlock() {
  items_.clear();
  decisions_.BeginBlock();
}

std::string RecordingParseContext::Trace() const {
  std::string trace;
  for (const Item& item : items_) trace += item.line + '\n';
  return trace;
}

void RecordingParseContext::Record(ItemKind kind, std::string line, Orv::INCObjectExpression* target,
                                   Orv::INCObjectExpression* value) {
  items_.push_back({kind, std::move(line), target, value});
}

void RecordingParseContext::SetSyncMode(std::int32_t mode) {
  if (mode == decisions_.GetSyncMode()) return;
  decisions_.SetSyncMode(mode);
  Record(ItemKind::kSyncMode, "SYNC-MODE " + Number(mode));
}

void RecordingParseContext::SetSkipLevel(std::int32_t level) {
  Record(ItemKind::kSkipLevel, "SKIP " + Number(level));
}

Orv::TResult RecordingParseContext::AddLabel(const Orv::String& label) {
  Record(ItemKind::kLabel, "LABEL " + Text(label));
  return decisions_.AddLabel(label);
}

Orv::TResult RecordingParseContext::AddCommand(const Orv::String& name, Orv::ArgumentExpressionList* arguments,
                                               std::int32_t flag) {
  Record(ItemKind::kCommand, "COMMAND " + Text(name) + ' ' + Number(flag) + ' ' + ArgumentsText(arguments));
  return decisions_.AddCommand(name, arguments, flag);
}

Orv::TResult RecordingParseContext::AddComputedCommand(Orv::INCExpression* name, Orv::ArgumentExpressionList* arguments,
                                                       std::int32_t flag) {
  Record(ItemKind::kComputedCommand,
         "COMPUTED " + ExpressionText(name) + ' ' + Number(flag) + ' ' + ArgumentsText(arguments));
  return decisions_.AddComputedCommand(name, arguments, flag);
}

Orv::TResult RecordingParseContext::AddInternalCommand(const Orv::String& name,
                                                       Orv::ArgumentExpressionList* arguments) {
  Record(ItemKind::kInternalCommand, "INTERNAL " + Text(name) + ' ' + ArgumentsText(arguments));
  return decisions_.AddInternalCommand(name, arguments);
}

Orv::TResult RecordingParseContext::AddAssignment(Orv::INCLValue* target, Orv::INCExpression* value) {
  Record(ItemKind::kAssignment, "ASSIGN " + ExpressionText(target) + ' ' + ExpressionText(value), target, value);
  return decisions_.AddAssignment(target, value);
}

Orv::TResult RecordingParseContext::AddStructAssignment(Orv::INCStructExpression* target,
                                                        Orv::INCStructExpression* value) {
  Record(ItemKind::kStructAssignment, "STRUCT-ASSIGN " + ExpressionText(target) + ' ' + ExpressionText(value), target,
         value);
  return decisions_.AddStructAssignment(target, value);
}

Orv::TResult RecordingParseContext::AddGoto(Orv::INCExpression* label, std::int32_t direction, std::int32_t flag) {
  Record(ItemKind::kGoto, "GOTO " + ExpressionText(label) + ' ' + Number(direction) + ' ' + Number(flag));
  return decisions_.AddGoto(label, direction, flag);
}

Orv::TResult RecordingParseContext::AddConditionalGoto(Orv::INCExpression* condition, Orv::INCExpression* label,
                                                       std::int32_t direction) {
  Record(ItemKind::kConditionalGoto,
         "COND-GOTO " + ExpressionText(condition) + ' ' + ExpressionText(label) + ' ' + Number(direction));
  return decisions_.AddConditionalGoto(condition, label, direction);
}

Orv::TResult RecordingParseContext::AddStructuredJump(Orv::INCExpression* label, std::int32_t direction,
                                                      const Orv::String& startLabel, const Orv::String& endLabel,
                                                      std::int32_t flag) {
  Record(ItemKind::kStructuredJump, "JUMP " + ExpressionText(label) + ' ' + Number(direction) + ' ' + Text(startLabel) +
                                        ' ' + Text(endLabel) + ' ' + Number(flag));
  return decisions_.AddStructuredJump(label, direction, startLabel, endLabel, flag);
}

Orv::TResult RecordingParseContext::AddStructuredConditionalJump(Orv::INCExpression* condition,
                                                                 Orv::INCExpression* label, std::int32_t direction,
                                                                 const Orv::String& startLabel,
                                                                 const Orv::String& endLabel) {
  Record(ItemKind::kStructuredConditionalJump, "COND-JUMP " + ExpressionText(condition) + ' ' + ExpressionText(label) +
                                                   ' ' + Number(direction) + ' ' + Text(startLabel) + ' ' +
                                                   Text(endLabel));
  return decisions_.AddStructuredConditionalJump(condition, label, direction, startLabel, endLabel);
}

std::string RecordingParseContext::DeclarationLine(Orv::INCExpression* nameExpression, const std::string& type,
                                                   std::int32_t scope) const {
  Orv::String name;
  const bool named = ConstantText(nameExpression, name);
  return "DECLARE " + (named ? Text(name) : ExpressionText(nameExpression)) + ' ' + type + ' ' + Number(scope);
}

Orv::TResult RecordingParseContext::DeclareVariable(Orv::INCExpression* nameExpression, std::int32_t typeCode,
                                                    std::int32_t scope, Orv::INCExpression* initialValue) {
  const std::string type = IsBasicTypeCode(typeCode) ? BasicTypeName(typeCode) : Number(typeCode);
  std::string line = DeclarationLine(nameExpression, type, scope);
  if (initialValue) line += ' ' + ExpressionText(initialValue);
  Record(ItemKind::kDeclaration, std::move(line));
  return decisions_.DeclareVariable(nameExpression, typeCode, scope, initialValue);
}

Orv::TResult RecordingParseContext::DeclareArrayVariable(Orv::INCExpression* nameExpression, Orv::INCArrayType* type,
                                                         std::int32_t scope) {
  Record(ItemKind::kDeclaration, DeclarationLine(nameExpression, TypeText(context_.types(), type), scope));
  return decisions_.DeclareArrayVariable(nameExpression, type, scope);
}

Orv::TResult RecordingParseContext::DeclareStructVariable(Orv::INCExpression* nameExpression, Orv::INCStructType* type,
                                                          std::int32_t scope) {
  Record(ItemKind::kDeclaration, DeclarationLine(nameExpression, TypeText(context_.types(), type), scope));
  return decisions_.DeclareStructVariable(nameExpression, type, scope);
}

Orv::TResult RecordingParseContext::BeginSynchronizedAction(const Orv::String& id, Orv::INCExpression* condition,
                                                            std::int32_t kind) {
  Record(ItemKind::kSyncBegin, "SYNC-BEGIN " + Quoted(id) + ' ' + ExpressionText(condition) + ' ' + Number(kind));
  return decisions_.BeginSynchronizedAction(id, condition, kind);
}

Orv::TResult RecordingParseContext::CancelSynchronizedAction(const Orv::String& id) {
  Record(ItemKind::kSyncCancel, "SYNC-CANCEL " + Quoted(id));
  return decisions_.CancelSynchronizedAction(id);
}

void RecordingParseContext::SubprogramDeclared(const Orv::String& name) {
  Record(ItemKind::kSubprogram, "SUBPROGRAM " + Text(name));
}

void RecordingParseContext::ParameterModeAdded(const Orv::String& name, std::int32_t mode) {
  Record(ItemKind::kParameterMode, "PARAMETER-MODE " + Text(name) + ' ' + Number(mode));
}

}  // namespace Velkor::OrvReference
