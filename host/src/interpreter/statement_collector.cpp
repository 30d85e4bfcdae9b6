#include "interpreter/statement_collector.h"

#include "orvref/execution_context.h"
#include "trace/trace_forms.h"
#include "values/basic_type.h"

namespace Velkor::OrvReference {
namespace {

constexpr Orv::TResult kRefused = 1;
// The declaration scope of a subprogram's own variables.
constexpr std::int32_t kLocalScope = 3;

Orv::TResult Need(bool present) {
  return present ? Orv::ORV_SUCCESS : kRefused;
}

}  // namespace

void StatementCollector::Begin(bool declare, std::vector<Statement>& statements) {
  statements_ = &statements;
  syncMode_ = 0;
  declare_ = declare;
}

Orv::IExecutionContext* StatementCollector::GetExecutionContext() {
  return &context_;
}

Statement& StatementCollector::Append(Statement::Kind kind) {
  Statement& statement = statements_->emplace_back();
  statement.kind = kind;
  statement.synchronized = syncMode_ != 0;
  return statement;
}

Orv::TResult StatementCollector::AddLabel(const Orv::String& label) {
  Append(Statement::Kind::kLabel).text = label;
  return Orv::ORV_SUCCESS;
}

Orv::TResult StatementCollector::AddCommand(const Orv::String& name, Orv::ArgumentExpressionList* arguments,
                                            std::int32_t) {
  Statement& statement = Append(Statement::Kind::kCommand);
  statement.text = name;
  statement.arguments = arguments;
  return Orv::ORV_SUCCESS;
}

Orv::TResult StatementCollector::AddComputedCommand(Orv::INCExpression* name, Orv::ArgumentExpressionList* arguments,
                                                    std::int32_t) {
  Statement& statement = Append(Statement::Kind::kComputedCommand);
  statement.expression = name;
  statement.arguments = arguments;
  return Need(name != nullptr);
}

Orv::TResult StatementCollector::AddInternalCommand(const Orv::String& name, Orv::ArgumentExpressionList* arguments) {
  Statement& statement = Append(Statement::Kind::kInternalCommand);
  statement.text = name;
  statement.arguments = arguments;
  return Orv::ORV_SUCCESS;
}

Orv::TResult StatementCollector::AddAssignment(Orv::INCLValue* target, Orv::INCExpression* value) {
  Statement& statement = Append(Statement::Kind::kAssignment);
  statement.target = target;
  statement.expression = value;
  return Need(target && value);
}

Orv::TResult StatementCollector::AddStructAssignment(Orv::INCStructExpression* target,
                                                     Orv::INCStructExpression* value) {
  Statement& statement = Append(Statement::Kind::kStructAssignment);
  statement.target = target;
  statement.expression = value;
  return Need(target && value);
}

void StatementCollector::Jump(Statement::Kind kind, Orv::INCExpression* condition, Orv::INCExpression* label,
                              std::int32_t direction, const Orv::String& startLabel, const Orv::String& endLabel) {
  Statement& statement = Append(kind);
  statement.condition = condition;
  statement.expression = label;
  statement.number = direction;
  statement.startLabel = startLabel;
  statement.endLabel = endLabel;
}

Orv::TResult StatementCollector::AddGoto(Orv::INCExpression* label, std::int32_t direction, std::int32_t) {
  Jump(Statement::Kind::kGoto, nullptr, label, direction, {}, {});
  return Need(label != nullptr);
}

Orv::TResult StatementCollector::AddConditionalGoto(Orv::INCExpression* condition, Orv::INCExpression* label,
                                                    std::int32_t direction) {
  Jump(Statement::Kind::kConditionalGoto, condition, label, direction, {}, {});
  return Need(condition && label);
}

Orv::TResult StatementCollector::AddStructuredJump(Orv::INCExpression* label, std::int32_t direction,
                                                   const Orv::String& startLabel, const Orv::String& endLabel,
                                                   std::int32_t) {
  Jump(Statement::Kind::kJump, nullptr, label, direction, startLabel, endLabel);
  return Need(label != nullptr);
}

Orv::TResult StatementCollector::AddStructuredConditionalJump(Orv::INCExpression* condition, Orv::INCExpression* label,
                                                              std::int32_t direction, const Orv::String& startLabel,
                                                              const Orv::String& endLabel) {
  Jump(Statement::Kind::kConditionalJump, condition, label, direction, startLabel, endLabel);
  return Need(condition && label);
}

Orv::TResult StatementCollector::Declare(Orv::INCExpression* name, Statement::Declared declared, std::int32_t typeCode,
                                         Orv::INCType* type, std::int32_t scope) {
  Orv::String text;
  if (!ConstantText(name, text)) return kRefused;
  Statement& statement = Append(Statement::Kind::kDeclaration);
  statement.text = text;
  statement.declared = declared;
  statement.typeCode = typeCode;
  statement.type = type;
  statement.local = scope == kLocalScope;
  if (!declare_) return Orv::ORV_SUCCESS;
  VariableScope& variables = context_.scope();
  switch (declared) {
    case Statement::Declared::kScalar:
      return variables.DeclareScalar(text, typeCode, statement.local);
    case Statement::Declared::kArray:
      return variables.DeclareArray(text, dynamic_cast<Orv::INCArrayType*>(type), statement.local);
    case Statement::Declared::kStruct:
      return variables.DeclareStruct(text, dynamic_cast<Orv::INCStructType*>(type), statement.local);
  }
  return kRefused;
}

Orv::TResult StatementCollector::DeclareVariable(Orv::INCExpression* name, std::int32_t typeCode, std::int32_t scope,
                                                 Orv::INCExpression*) {
  if (!IsBasicTypeCode(typeCode)) return kRefused;
  return Declare(name, Statement::Declared::kScalar, typeCode, nullptr, scope);
}

Orv::TResult StatementCollector::DeclareArrayVariable(Orv::INCExpression* name, Orv::INCArrayType* type,
                                                      std::int32_t scope) {
  return Declare(name, Statement::Declared::kArray, 0, type, scope);
}

Orv::TResult StatementCollector::DeclareStructVariable(Orv::INCExpression* name, Orv::INCStructType* type,
                                                       std::int32_t scope) {
  if (type == nullptr) return kRefused;
  return Declare(name, Statement::Declared::kStruct, 0, type, scope);
}

Orv::TResult StatementCollector::BeginSynchronizedAction(const Orv::String&, Orv::INCExpression* condition,
                                                         std::int32_t kind) {
  Append(Statement::Kind::kSynchronizedAction).number = kind;
  return Need(condition != nullptr);
}

Orv::TResult StatementCollector::CancelSynchronizedAction(const Orv::String& id) {
  Append(Statement::Kind::kCancel).text = id;
  return Orv::ORV_SUCCESS;
}

}  // namespace Velkor::OrvReference
