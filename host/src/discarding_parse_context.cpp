#include "orvref/discarding_parse_context.h"

#include "trace/trace_forms.h"
#include "values/basic_type.h"

namespace Velkor::OrvReference {
namespace {

constexpr Orv::TResult kRefused = 1;

Orv::TResult Given(const void* needed) {
  return needed ? Orv::ORV_SUCCESS : kRefused;
}

Orv::TResult Given(const void* first, const void* second) {
  return first && second ? Orv::ORV_SUCCESS : kRefused;
}

}  // namespace

void DiscardingParseContext::BeginBlock() {
  syncMode_ = 0;
  context_.channel().ForgetUndeclaredSubprogramQueries();
  // No recorder on the channel keeps this block's subprogram declarations.
  context_.channel().SetSubprogramListener(nullptr);
}

Orv::TResult DiscardingParseContext::AddLabel(const Orv::String&) {
  return Orv::ORV_SUCCESS;
}

Orv::TResult DiscardingParseContext::AddCommand(const Orv::String&, Orv::ArgumentExpressionList*, std::int32_t) {
  return Orv::ORV_SUCCESS;
}

Orv::TResult DiscardingParseContext::AddComputedCommand(Orv::INCExpression* name, Orv::ArgumentExpressionList*,
                                                        std::int32_t) {
  return Given(name);
}

Orv::TResult DiscardingParseContext::AddInternalCommand(const Orv::String&, Orv::ArgumentExpressionList*) {
  return Orv::ORV_SUCCESS;
}

Orv::TResult DiscardingParseContext::AddAssignment(Orv::INCLValue* target, Orv::INCExpression* value) {
  return Given(target, value);
}

Orv::TResult DiscardingParseContext::AddStructAssignment(Orv::INCStructExpression* target,
                                                         Orv::INCStructExpression* value) {
  return Given(target, value);
}

Orv::TResult DiscardingParseContext::AddGoto(Orv::INCExpression* label, std::int32_t, std::int32_t) {
  return Given(label);
}

Orv::TResult DiscardingParseContext::AddConditionalGoto(Orv::INCExpression* condition, Orv::INCExpression* label,
                                                        std::int32_t) {
  return Given(condition, label);
}

Orv::TResult DiscardingParseContext::AddStructuredJump(Orv::INCExpression* label, std::int32_t, const Orv::String&,
                                                       const Orv::String&, std::int32_t) {
  return Given(label);
}

Orv::TResult DiscardingParseContext::AddStructuredConditionalJump(Orv::INCExpression* condition,
                                                                  Orv::INCExpression* label, std::int32_t,
                                                                  const Orv::String&, const Orv::String&) {
  return Given(condition, label);
}

Orv::TResult DiscardingParseContext::DeclareVariable(Orv::INCExpression* nameExpression, std::int32_t typeCode,
                                                     std::int32_t, Orv::INCExpression*) {
  Orv::String name;
  if (!ConstantText(nameExpression, name) || !IsBasicTypeCode(typeCode)) return kRefused;
  return context_.scope().DeclareScalar(name, typeCode);
}

Orv::TResult DiscardingParseContext::DeclareArrayVariable(Orv::INCExpression* nameExpression, Orv::INCArrayType* type,
                                                          std::int32_t) {
  Orv::String name;
  return ConstantText(nameExpression, name) ? context_.scope().DeclareArray(name, type) : kRefused;
}

Orv::TResult DiscardingParseContext::DeclareStructVariable(Orv::INCExpression* nameExpression, Orv::INCStructType* type,
                                                           std::int32_t) {
  Orv::String name;
  return ConstantText(nameExpression, name) ? context_.scope().DeclareStruct(name, type) : kRefused;
}

Orv::TResult DiscardingParseContext::BeginSynchronizedAction(const Orv::String&, Orv::INCExpression* condition,
                                                             std::int32_t) {
  return Given(condition);
}

Orv::TResult DiscardingParseContext::CancelSynchronizedAction(const Orv::String&) {
  return Orv::ORV_SUCCESS;
}

}  // namespace Velkor::OrvReference
