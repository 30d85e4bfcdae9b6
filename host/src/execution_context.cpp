#include "orvref/execution_context.h"

#include "evaluation/host_functions.h"
#include "expressions/expression_factories.h"
#include "expressions/node.h"
#include "values/array_type.h"
#include "values/basic_type.h"
#include "values/type_factories.h"
#include "values/value_factory.h"

namespace Velkor::OrvReference {
namespace {

constexpr std::int32_t kRParameterCount = 100;

}  // namespace

ExecutionContext::ExecutionContext()
    : scope_(*this),
      channel_(*this),
      valueFactory_(new ValueFactory()),
      expressionFactory_(new ExpressionFactory(*this)),
      arrayTypeFactory_(new ArrayTypeFactory()),
      lvalueFactory_(new LValueFactory(*this)),
      structTypeFactory_(new StructTypeFactory()),
      methodCallFactory_(new MethodCallFactory(*this)) {
  const Orv::SmartPointer<ArrayType> rParameters(
      new ArrayType(new BasicType(Orv::BasicType::Real), {kRParameterCount}));
  scope_.DeclareArray("$R", rParameters.get());
  scope_.KeepAsSetup();
}

ExecutionContext::~ExecutionContext() = default;

bool ExecutionContext::IsDefined(const Orv::String& name) {
  return FindHostFunction(name) != nullptr || (methodMapper_ && methodMapper_->IsMethod(name));
}

Orv::TResult ExecutionContext::GetNameType(const Orv::String& name, Orv::SmartPointer<Orv::INCType>& type) {
  if (const HostFunction* function = FindHostFunction(name)) {
    type = new BasicType(function->resultCode);
    return Orv::ORV_SUCCESS;
  }
  Orv::SmartPointer<Orv::INCType> methodType;
  if (methodMapper_ == nullptr || !methodMapper_->IsMethod(name) ||
      !methodMapper_->GetMethodReturnType(name, this, methodType) || !methodType) {
    return 1;
  }
  type = std::move(methodType);
  return Orv::ORV_SUCCESS;
}

bool ExecutionContext::Evaluate(const Orv::INCObjectExpression* expression, Orv::SmartPointer<Orv::INCObject>& value,
                                std::string& message) {
  Evaluation evaluation(this);
  if (ComputeNode(evaluation, expression, value)) return true;
  message = evaluation.message();
  return false;
}

}  // namespace Velkor::OrvReference
