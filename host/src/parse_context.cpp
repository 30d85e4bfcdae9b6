#include "orvref/parse_context.h"

#include "orvref/text_forms.h"
#include "trace/trace_forms.h"
#include "values/basic_type.h"

namespace Velkor::OrvReference {
namespace {

constexpr Orv::TResult kRefused = 1;

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

RecordingParseContext::RecordingParseContext(ExecutionContext& context) : context_(context) {
  context_.channel().SetSubprogramListener(this);
}

RecordingParseContext::~RecordingParseContext() {
  context_.channel().SetSubprogramListener(nullptr);
}

void RecordingParseContext::BeginBlock() {
  items_.clear();
  syncMode_ = 0;
  context_.channel().ForgetUndeclaredSubprogramQueries();
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
  if (mode == syncMode_) return;
  syncMode_ = mode;
  Record(ItemKind::kSyncMode, "SYNC-MODE " + Number(mode));
}

void RecordingParseContext::SetSkipLevel(std::int32_t level) {
  Record(ItemKind::kSkipLevel, "SKIP " + Number(level));
}

Orv::TResult RecordingParseContext::AddLabel(const Orv::String& label) {
  Record(ItemKind::kLabel, "LABEL " + Text(label));
  return Orv::ORV_SUCCESS;
}

Orv::TResult RecordingParseContext::AddCommand(const Orv::String& name, Orv::ArgumentExpressionList* arguments,
                                               std::int32_t flag) {
  Record(ItemKind::kCommand, "COMMAND " + Text(name) + ' ' + Number(flag) + ' ' + ArgumentsText(arguments));
  return Orv::ORV_SUCCESS;
}

Orv::TResult RecordingParseContext::AddComputedCommand(Orv::INCExpression* name, Orv::ArgumentExpressionList* arguments,
                                                       std::int32_t flag) {
  Record(ItemKind::kComputedCommand,
         "COMPUTED " + ExpressionText(name) + ' ' + Number(flag) + ' ' + ArgumentsText(arguments));
  return name ? Orv::ORV_SUCCESS : kRefused;
}

Orv::TResult RecordingParseContext::AddInternalCommand(const Orv::String& name,
                                                       Orv::ArgumentExpressionList* arguments) {
  Record(ItemKind::kInternalCommand, "INTERNAL " + Text(name) + ' ' + ArgumentsText(arguments));
  return Orv::ORV_SUCCESS;
}

Orv::TResult RecordingParseContext::AddAssignment(Orv::INCLValue* target, Orv::INCExpression* value) {
  Record(ItemKind::kAssignment, "ASSIGN " + ExpressionText(target) + ' ' + ExpressionText(value), target, value);
  return target && value ? Orv::ORV_SUCCESS : kRefused;
}

Orv::TResult RecordingParseContext::AddStructAssignment(Orv::INCStructExpression* target,
                                                        Orv::INCStructExpression* value) {
  Record(ItemKind::kStructAssignment, "STRUCT-ASSIGN " + ExpressionText(target) + ' ' + ExpressionText(value), target,
         value);
  return target && value ? Orv::ORV_SUCCESS : kRefused;
}

Orv::TResult RecordingParseContext::AddGoto(Orv::INCExpression* label, std::int32_t direction, std::int32_t flag) {
  Record(ItemKind::kGoto, "GOTO " + ExpressionText(label) + ' ' + Number(direction) + ' ' + Number(flag));
  return label ? Orv::ORV_SUCCESS : kRefused;
}

Orv::TResult RecordingParseContext::AddConditionalGoto(Orv::INCExpression* condition, Orv::INCExpression* label,
                                                       std::int32_t direction) {
  Record(ItemKind::kConditionalGoto,
         "COND-GOTO " + ExpressionText(condition) + ' ' + ExpressionText(label) + ' ' + Number(direction));
  return condition && label ? Orv::ORV_SUCCESS : kRefused;
}

Orv::TResult RecordingParseContext::AddStructuredJump(Orv::INCExpression* label, std::int32_t direction,
                                                      const Orv::String& startLabel, const Orv::String& endLabel,
                                                      std::int32_t flag) {
  Record(ItemKind::kStructuredJump, "JUMP " + ExpressionText(label) + ' ' + Number(direction) + ' ' + Text(startLabel) +
                                        ' ' + Text(endLabel) + ' ' + Number(flag));
  return label ? Orv::ORV_SUCCESS : kRefused;
}

Orv::TResult RecordingParseContext::AddStructuredConditionalJump(Orv::INCExpression* condition,
                                                                 Orv::INCExpression* label, std::int32_t direction,
                                                                 const Orv::String& startLabel,
                                                                 const Orv::String& endLabel) {
  Record(ItemKind::kStructuredConditionalJump, "COND-JUMP " + ExpressionText(condition) + ' ' + ExpressionText(label) +
                                                   ' ' + Number(direction) + ' ' + Text(startLabel) + ' ' +
                                                   Text(endLabel));
  return condition && label ? Orv::ORV_SUCCESS : kRefused;
}

std::string RecordingParseContext::DeclarationLine(Orv::INCExpression* nameExpression, const std::string& type,
                                                   std::int32_t scope, Orv::String& name, bool& named) const {
  named = ConstantText(nameExpression, name);
  return "DECLARE " + (named ? Text(name) : ExpressionText(nameExpression)) + ' ' + type + ' ' + Number(scope);
}

Orv::TResult RecordingParseContext::DeclareVariable(Orv::INCExpression* nameExpression, std::int32_t typeCode,
                                                    std::int32_t scope, Orv::INCExpression* initialValue) {
  const std::string type = IsBasicTypeCode(typeCode) ? BasicTypeName(typeCode) : Number(typeCode);
  Orv::String name;
  bool named = false;
  std::string line = DeclarationLine(nameExpression, type, scope, name, named);
  if (initialValue) line += ' ' + ExpressionText(initialValue);
  Record(ItemKind::kDeclaration, std::move(line));
  if (!named || !IsBasicTypeCode(typeCode)) return kRefused;
  return context_.scope().DeclareScalar(name, typeCode);
}

Orv::TResult RecordingParseContext::DeclareArrayVariable(Orv::INCExpression* nameExpression, Orv::INCArrayType* type,
                                                         std::int32_t scope) {
  Orv::String name;
  bool named = false;
  Record(ItemKind::kDeclaration, DeclarationLine(nameExpression, TypeText(context_.types(), type), scope, name, named));
  return named ? context_.scope().DeclareArray(name, type) : kRefused;
}

Orv::TResult RecordingParseContext::DeclareStructVariable(Orv::INCExpression* nameExpression, Orv::INCStructType* type,
                                                          std::int32_t scope) {
  Orv::String name;
  bool named = false;
  Record(ItemKind::kDeclaration, DeclarationLine(nameExpression, TypeText(context_.types(), type), scope, name, named));
  return named ? context_.scope().DeclareStruct(name, type) : kRefused;
}

Orv::TResult RecordingParseContext::BeginSynchronizedAction(const Orv::String& id, Orv::INCExpression* condition,
                                                            std::int32_t kind) {
  Record(ItemKind::kSyncBegin, "SYNC-BEGIN " + Quoted(id) + ' ' + ExpressionText(condition) + ' ' + Number(kind));
  return condition ? Orv::ORV_SUCCESS : kRefused;
}

Orv::TResult RecordingParseContext::CancelSynchronizedAction(const Orv::String& id) {
  Record(ItemKind::kSyncCancel, "SYNC-CANCEL " + Quoted(id));
  return Orv::ORV_SUCCESS;
}

void RecordingParseContext::SubprogramDeclared(const Orv::String& name) {
  Record(ItemKind::kSubprogram, "SUBPROGRAM " + Text(name));
}

void RecordingParseContext::ParameterModeAdded(const Orv::String& name, std::int32_t mode) {
  Record(ItemKind::kParameterMode, "PARAMETER-MODE " + Text(name) + ' ' + Number(mode));
}

}  // namespace Velkor::OrvReference
