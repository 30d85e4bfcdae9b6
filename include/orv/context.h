// Host engine: the execution context with its type registry and variable
// scope, and the parse context that receives the statements of a block.
#pragma once

#include "orv/arguments.h"
#include "orv/factories.h"

namespace Velkor::Orv {

class IChannel;

class ORV_API ITypeRegistry {
 public:
  virtual ~ITypeRegistry();
  virtual TResult RegisterType(const String& name, INCType* type) = 0;
  // ORV_SUCCESS when a type of that name is registered.
  virtual TResult FindType(const String& name, SmartPointer<INCType>& type) = 0;
};

// Symbol table of the channel. Every lookup answers ORV_SUCCESS when the name
// is declared with that kind.
class ORV_API IVariableScope {
 public:
  virtual ~IVariableScope();
  virtual TResult GetScalarVariable(const String& name, SmartPointer<INCLValue>& variable) = 0;
  virtual TResult CheckScalarVariable(const String& name) = 0;
  virtual TResult GetArrayVariable(const String& name, SmartPointer<INCArray>& array) = 0;
  virtual TResult CheckArrayVariable(const String& name) = 0;
  virtual TResult GetStructVariable(const String& name, SmartPointer<INCStruct>& structure) = 0;
  virtual TResult CheckStructVariable(const String& name) = 0;
  virtual TResult CheckOtherVariable(const String& name) = 0;

  virtual void SetScopeSwitchA(bool on) = 0;
  virtual void SetScopeSwitchB(bool on) = 0;
  virtual void SetScopeSwitchC(bool on) = 0;
};

class ORV_API IExecutionContext {
 public:
  virtual ~IExecutionContext();
  virtual ITypeRegistry* GetTypeRegistry() = 0;
  virtual IVariableScope* GetVariableScope() = 0;
  virtual IChannel* GetChannel() = 0;
  virtual SmartPointer<IValueFactory> GetValueFactory() = 0;
  virtual SmartPointer<IExpressionFactory> GetExpressionFactory() = 0;
  virtual SmartPointer<IArrayTypeFactory> GetArrayTypeFactory() = 0;
  virtual SmartPointer<ILValueFactory> GetLValueFactory() = 0;
  virtual SmartPointer<IStructTypeFactory> GetStructTypeFactory() = 0;
  virtual SmartPointer<IMethodCallFactory> GetMethodCallFactory() = 0;
  // Whether `name` is a host function or a controller method.
  virtual bool IsDefined(const String& name) = 0;
  // The result type of a host function or controller method.
  virtual TResult GetNameType(const String& name, SmartPointer<INCType>& type) = 0;
};

// Jump directions.
namespace JumpDirection {
inline constexpr std::int32_t Forward = 0;
inline constexpr std::int32_t Backward = 1;
inline constexpr std::int32_t Both = 2;
}  // namespace JumpDirection

// Collects the statements of one block, in the order they are appended.
class ORV_API IParseContext {
 public:
  virtual ~IParseContext();
  virtual IExecutionContext* GetExecutionContext() = 0;

  virtual void SetSyncMode(std::int32_t mode) = 0;
  virtual std::int32_t GetSyncMode() const = 0;
  virtual void SetSkipLevel(std::int32_t level) = 0;

  virtual TResult AddLabel(const String& label) = 0;
  virtual TResult AddCommand(const String& name, ArgumentExpressionList* arguments, std::int32_t flag) = 0;
  virtual TResult AddComputedCommand(INCExpression* name, ArgumentExpressionList* arguments, std::int32_t flag) = 0;
  virtual TResult AddInternalCommand(const String& name, ArgumentExpressionList* arguments) = 0;
  virtual TResult AddAssignment(INCLValue* target, INCExpression* value) = 0;
  virtual TResult AddStructAssignment(INCStructExpression* target, INCStructExpression* value) = 0;

  virtual TResult AddGoto(INCExpression* label, std::int32_t direction, std::int32_t flag) = 0;
  virtual TResult AddConditionalGoto(INCExpression* condition, INCExpression* label, std::int32_t direction) = 0;
  virtual TResult AddStructuredJump(INCExpression* label, std::int32_t direction, const String& startLabel,
                                    const String& endLabel, std::int32_t flag) = 0;
  virtual TResult AddStructuredConditionalJump(INCExpression* condition, INCExpression* label, std::int32_t direction,
                                               const String& startLabel, const String& endLabel) = 0;

  virtual TResult DeclareVariable(INCExpression* name, std::int32_t typeCode, std::int32_t scope,
                                  INCExpression* initialValue) = 0;
  virtual TResult DeclareArrayVariable(INCExpression* name, INCArrayType* type, std::int32_t scope) = 0;
  virtual TResult DeclareStructVariable(INCExpression* name, INCStructType* type, std::int32_t scope) = 0;

  virtual TResult BeginSynchronizedAction(const String& id, INCExpression* condition, std::int32_t kind) = 0;
  virtual TResult CancelSynchronizedAction(const String& id) = 0;
};

}  // namespace Velkor::Orv
