// Reference host: the execution context of a channel. It owns the channel,
// its variables, its type registry and the factories, knows the host
// functions and the plug-in's controller methods by name, and evaluates
// expressions as a running program would.
#pragma once

#include <string>

#include "orv/base.h"
#include "orv/channel.h"
#include "orv/context.h"
#include "orv/expressions.h"
#include "orv/factories.h"
#include "orv/plugin.h"
#include "orv/types.h"
#include "orv/values.h"
#include "orvref/channel.h"
#include "orvref/type_registry.h"
#include "orvref/variable_scope.h"

namespace Velkor::OrvReference {

class ExecutionContext final : public Orv::IExecutionContext {
 public:
  // A context with the default channel and the R parameters: $R, a REAL
  // array of 100 elements.
  ExecutionContext();
  ~ExecutionContext() override;
  ExecutionContext(const ExecutionContext&) = delete;
  ExecutionContext& operator=(const ExecutionContext&) = delete;

  Orv::ITypeRegistry* GetTypeRegistry() override { return &types_; }
  Orv::IVariableScope* GetVariableScope() override { return &scope_; }
  Orv::IChannel* GetChannel() override { return &channel_; }
  Orv::SmartPointer<Orv::IValueFactory> GetValueFactory() override { return valueFactory_; }
  Orv::SmartPointer<Orv::IExpressionFactory> GetExpressionFactory() override { return expressionFactory_; }
  Orv::SmartPointer<Orv::IArrayTypeFactory> GetArrayTypeFactory() override { return arrayTypeFactory_; }
  Orv::SmartPointer<Orv::ILValueFactory> GetLValueFactory() override { return lvalueFactory_; }
  Orv::SmartPointer<Orv::IStructTypeFactory> GetStructTypeFactory() override { return structTypeFactory_; }
  Orv::SmartPointer<Orv::IMethodCallFactory> GetMethodCallFactory() override { return methodCallFactory_; }

  // Host functions first, then the controller methods. Case-sensitive.
  bool IsDefined(const Orv::String& name) override;
  // Fails for an unknown name and for a method without a value.
  Orv::TResult GetNameType(const Orv::String& name, Orv::SmartPointer<Orv::INCType>& type) override;

  // The controller methods of the plug-in join the names this context
  // knows; the mapper stays the caller's and must outlive its use here.
  void SetMethodMapper(Orv::IMethodMapper* mapper) { methodMapper_ = mapper; }
  Orv::IMethodMapper* methodMapper() const { return methodMapper_; }

  // A host that runs one program after another on this context starts each
  // from the context as it was set up: the channel and its variables (see
  // Channel and VariableScope); the types registered stay.
  void KeepAsSetup() {
    channel_.KeepAsSetup();
    scope_.KeepAsSetup();
  }
  void ResetToSetup() {
    channel_.ResetToSetup();
    scope_.ResetToSetup();
  }

  Channel& channel() { return channel_; }
  VariableScope& scope() { return scope_; }
  TypeRegistry& types() { return types_; }

  // The value of an expression made by this context's factories, as a
  // running program computes it: a basic value, a live array or structure,
  // or null for a method without a value. On failure `message` tells why.
  bool Evaluate(const Orv::INCObjectExpression* expression, Orv::SmartPointer<Orv::INCObject>& value,
                std::string& message);

 private:
  TypeRegistry types_;
  VariableScope scope_;
  Channel channel_;
  Orv::IMethodMapper* methodMapper_ = nullptr;
  Orv::SmartPointer<Orv::IValueFactory> valueFactory_;
  Orv::SmartPointer<Orv::IExpressionFactory> expressionFactory_;
  Orv::SmartPointer<Orv::IArrayTypeFactory> arrayTypeFactory_;
  Orv::SmartPointer<Orv::ILValueFactory> lvalueFactory_;
  Orv::SmartPointer<Orv::IStructTypeFactory> structTypeFactory_;
  Orv::SmartPointer<Orv::IMethodCallFactory> methodCallFactory_;
};

}  // namespace Velkor::OrvReference
