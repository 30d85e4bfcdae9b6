#include "orvref/parse_context.h"

#include "expressions/node.h"
#include "orvref/text_forms.h"
#include "trace/trace_forms.h"
#include "values/basic_type.h"

namespace Velkor::OrvReference {
namespace {

// The fields of an item line. Each appends a blank and its text, except an
// absent optional expression, which appends nothing.
struct Quoted {
  const Orv::String& text;
};
struct OptionalExpression {
  const Orv::INCObject* expression;
};
// A declared name: its text when it is a constant text, else the expression.
struct DeclaredName {
  const Orv::INCExpression* expression;
};
// A declared basic type by its name, any other code as a number.
struct TypeCode {
  std::int32_t code;
};

void AppendField(std::string& out, const char* text) {
  out += ' ';
  out += text;
}

void AppendField(std::string& out, const std::string& text) {
  out += ' ';
  out += text;
}

void AppendField(std::string& out, const Orv::String& text) {
  out += ' ';
  out.append(text.data(), text.size());
}

void AppendField(std::string& out, std::int32_t number) {
  out += ' ';
  AppendInteger(number, out);
}

void AppendField(std::string& out, const Orv::INCObject* expression) {
  out += ' ';
  RenderObject(expression, out);
}

void AppendField(std::string& out, const Orv::ArgumentExpressionList* arguments) {
  out += ' ';
  AppendArguments(arguments, out);
}

void AppendField(std::string& out, Quoted quoted) {
  out += ' ';
  AppendQuotedText(std::string_view(quoted.text.data(), quoted.text.size()), '"', out);
}

void AppendField(std::string& out, OptionalExpression optional) {
  if (optional.expression) AppendField(out, optional.expression);
}

void AppendField(std::string& out, DeclaredName declared) {
  Orv::String name;
  if (ConstantText(declared.expression, name)) {
    AppendField(out, name);
  } else {
    AppendField(out, static_cast<const Orv::INCObject*>(declared.expression));
  }
}

void AppendField(std::string& out, TypeCode type) {
  if (IsBasicTypeCode(type.code)) {
    AppendField(out, BasicTypeName(type.code));
  } else {
    AppendField(out, type.code);
  }
}

}  // namespace

template <class... Fields>
void RecordingParseContext::Record(ItemKind kind, std::string_view tag, const Fields&... fields) {
  const std::size_t start = trace_.size();
  trace_ += tag;
  (AppendField(trace_, fields), ...);
  items_.push_back({kind, start, trace_.size() - start, nullptr, nullptr});
  trace_ += '\n';
}

void RecordingParseContext::RecordAssignment(ItemKind kind, std::string_view tag, Orv::INCObjectExpression* target,
                                             Orv::INCObjectExpression* value) {
  Record(kind, tag, static_cast<const Orv::INCObject*>(target), static_cast<const Orv::INCObject*>(value));
  items_.back().target = target;
  items_.back().value = value;
}

RecordingParseContext::RecordingParseContext(ExecutionContext& context) : context_(context), decisions_(context) {
  context_.channel().SetSubprogramListener(this);
}

RecordingParseContext::~RecordingParseContext() {
  context_.channel().SetSubprogramListener(nullptr);
}

void RecordingParseContext::BeginBlock() {
  items_.clear();
  trace_.clear();
  decisions_.BeginBlock();
  context_.channel().SetSubprogramListener(this);
}

void RecordingParseContext::SetSyncMode(std::int32_t mode) {
  if (mode == decisions_.GetSyncMode()) return;
  decisions_.SetSyncMode(mode);
  Record(ItemKind::kSyncMode, "SYNC-MODE", mode);
}

void RecordingParseContext::SetSkipLevel(std::int32_t level) {
  Record(ItemKind::kSkipLevel, "SKIP", level);
}

Orv::TResult RecordingParseContext::AddLabel(const Orv::String& label) {
  Record(ItemKind::kLabel, "LABEL", label);
  return decisions_.AddLabel(label);
}

Orv::TResult RecordingParseContext::AddCommand(const Orv::String& name, Orv::ArgumentExpressionList* arguments,
                                               std::int32_t flag) {
  Record(ItemKind::kCommand, "COMMAND", name, flag, arguments);
  return decisions_.AddCommand(name, arguments, flag);
}

Orv::TResult RecordingParseContext::AddComputedCommand(Orv::INCExpression* name, Orv::ArgumentExpressionList* arguments,
                                                       std::int32_t flag) {
  Record(ItemKind::kComputedCommand, "COMPUTED", name, flag, arguments);
  return decisions_.AddComputedCommand(name, arguments, flag);
}

Orv::TResult RecordingParseContext::AddInternalCommand(const Orv::String& name,
                                                       Orv::ArgumentExpressionList* arguments) {
  Record(ItemKind::kInternalCommand, "INTERNAL", name, arguments);
  return decisions_.AddInternalCommand(name, arguments);
}

Orv::TResult RecordingParseContext::AddAssignment(Orv::INCLValue* target, Orv::INCExpression* value) {
  RecordAssignment(ItemKind::kAssignment, "ASSIGN", target, value);
  return decisions_.AddAssignment(target, value);
}

Orv::TResult RecordingParseContext::AddStructAssignment(Orv::INCStructExpression* target,
                                                        Orv::INCStructExpression* value) {
  RecordAssignment(ItemKind::kStructAssignment, "STRUCT-ASSIGN", target, value);
  return decisions_.AddStructAssignment(target, value);
}

Orv::TResult RecordingParseContext::AddGoto(Orv::INCExpression* label, std::int32_t direction, std::int32_t flag) {
  Record(ItemKind::kGoto, "GOTO", label, direction, flag);
  return decisions_.AddGoto(label, direction, flag);
}

Orv::TResult RecordingParseContext::AddConditionalGoto(Orv::INCExpression* condition, Orv::INCExpression* label,
                                                       std::int32_t direction) {
  Record(ItemKind::kConditionalGoto, "COND-GOTO", condition, label, direction);
  return decisions_.AddConditionalGoto(condition, label, direction);
}

Orv::TResult RecordingParseContext::AddStructuredJump(Orv::INCExpression* label, std::int32_t direction,
                                                      const Orv::String& startLabel, const Orv::String& endLabel,
                                                      std::int32_t flag) {
  Record(ItemKind::kStructuredJump, "JUMP", label, direction, startLabel, endLabel, flag);
  return decisions_.AddStructuredJump(label, direction, startLabel, endLabel, flag);
}

Orv::TResult RecordingParseContext::AddStructuredConditionalJump(Orv::INCExpression* condition,
                                                                 Orv::INCExpression* label, std::int32_t direction,
                                                                 const Orv::String& startLabel,
                                                                 const Orv::String& endLabel) {
  Record(ItemKind::kStructuredConditionalJump, "COND-JUMP", condition, label, direction, startLabel, endLabel);
  return decisions_.AddStructuredConditionalJump(condition, label, direction, startLabel, endLabel);
}

Orv::TResult RecordingParseContext::DeclareVariable(Orv::INCExpression* nameExpression, std::int32_t typeCode,
                                                    std::int32_t scope, Orv::INCExpression* initialValue) {
  Record(ItemKind::kDeclaration, "DECLARE", DeclaredName{nameExpression}, TypeCode{typeCode}, scope,
         OptionalExpression{initialValue});
  return decisions_.DeclareVariable(nameExpression, typeCode, scope, initialValue);
}

Orv::TResult RecordingParseContext::DeclareArrayVariable(Orv::INCExpression* nameExpression, Orv::INCArrayType* type,
                                                         std::int32_t scope) {
  Record(ItemKind::kDeclaration, "DECLARE", DeclaredName{nameExpression}, TypeText(context_.types(), type), scope);
  return decisions_.DeclareArrayVariable(nameExpression, type, scope);
}

Orv::TResult RecordingParseContext::DeclareStructVariable(Orv::INCExpression* nameExpression, Orv::INCStructType* type,
                                                          std::int32_t scope) {
  Record(ItemKind::kDeclaration, "DECLARE", DeclaredName{nameExpression}, TypeText(context_.types(), type), scope);
  return decisions_.DeclareStructVariable(nameExpression, type, scope);
}

Orv::TResult RecordingParseContext::BeginSynchronizedAction(const Orv::String& id, Orv::INCExpression* condition,
                                                            std::int32_t kind) {
  Record(ItemKind::kSyncBegin, "SYNC-BEGIN", Quoted{id}, condition, kind);
  return decisions_.BeginSynchronizedAction(id, condition, kind);
}

Orv::TResult RecordingParseContext::CancelSynchronizedAction(const Orv::String& id) {
  Record(ItemKind::kSyncCancel, "SYNC-CANCEL", Quoted{id});
  return decisions_.CancelSynchronizedAction(id);
}

void RecordingParseContext::SubprogramDeclared(const Orv::String& name) {
  Record(ItemKind::kSubprogram, "SUBPROGRAM", name);
}

void RecordingParseContext::ParameterModeAdded(const Orv::String& name, std::int32_t mode) {
  Record(ItemKind::kParameterMode, "PARAMETER-MODE", name, mode);
}

}  // namespace Velkor::OrvReference
