// The three factories through which the plug-in builds expression trees.
// They check what they need to give each node its class and result type;
// index counts and bounds are checked only when the program runs.
#pragma once

#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/factories.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

class ExecutionContext;

// The factories of a context; the context outlives them when the nodes they
// make are used (a plug-in that merely holds a factory may keep it longer).
class ExpressionFactory final : public Orv::IExpressionFactory {
 public:
  explicit ExpressionFactory(ExecutionContext& context) : context_(context) {}

  // A basic value of this host.
  Orv::TResult CreateConstantExpression(Orv::INCValue* value,
                                        Orv::SmartPointer<Orv::INCObjectExpression>& result) override;
  // A host type code from 0 to 6.
  Orv::TResult CreateConversionExpression(Orv::INCExpression* operand, std::int32_t typeCode,
                                          Orv::SmartPointer<Orv::INCObjectExpression>& result) override;
  Orv::TResult CreateVariableExpression(const Orv::String& name,
                                        Orv::SmartPointer<Orv::INCObjectExpression>& result) override;
  Orv::TResult CreateElementExpression(Orv::INCObjectExpression* base, std::int32_t indexCount,
                                       Orv::INCExpression* const* indices,
                                       Orv::SmartPointer<Orv::INCObjectExpression>& result) override;
  // A member of a basic type of a structure of known type.
  Orv::TResult CreateMemberExpression(Orv::INCObjectExpression* structure, const Orv::String& member,
                                      Orv::SmartPointer<Orv::INCObjectExpression>& result) override;
  Orv::TResult CreateUnaryExpression(Orv::INCExpression* operand, std::int32_t operatorCode,
                                     Orv::SmartPointer<Orv::INCObjectExpression>& result) override;
  Orv::TResult CreateBinaryExpression(Orv::INCExpression* left, Orv::INCExpression* right, std::int32_t operatorCode,
                                      Orv::SmartPointer<Orv::INCObjectExpression>& result) override;
  Orv::TResult CreateFunctionExpression(std::int32_t argumentCount, Orv::INCExpression* const* arguments,
                                        const Orv::String& name,
                                        Orv::SmartPointer<Orv::INCObjectExpression>& result) override;
  Orv::TResult CreateObjectFunctionExpression(std::int32_t argumentCount, Orv::INCObjectExpression* const* arguments,
                                              const Orv::String& name,
                                              Orv::SmartPointer<Orv::INCObjectExpression>& result) override;

 private:
  ExecutionContext& context_;
};

class LValueFactory final : public Orv::ILValueFactory {
 public:
  explicit LValueFactory(ExecutionContext& context) : context_(context) {}

  Orv::TResult CreateArrayExpression(const Orv::String& name,
                                     Orv::SmartPointer<Orv::INCObjectExpression>& result) override;
  // An array member of a structure of known type.
  Orv::TResult CreateFrameComponentExpression(Orv::INCObjectExpression* frame, const Orv::String& component,
                                              Orv::SmartPointer<Orv::INCObjectExpression>& result) override;

 private:
  ExecutionContext& context_;
};

class MethodCallFactory final : public Orv::IMethodCallFactory {
 public:
  explicit MethodCallFactory(ExecutionContext& context) : context_(context) {}

  // Structure expressions when the name's result type is a structure type.
  Orv::TResult CreateMethodExpression(std::int32_t argumentCount, Orv::INCObjectExpression* const* arguments,
                                      const Orv::String& name,
                                      Orv::SmartPointer<Orv::INCObjectExpression>& result) override;
  Orv::TResult CreateMethodExpressionFromObjects(std::int32_t argumentCount, Orv::INCObjectExpression* const* arguments,
                                                 const Orv::String& name,
                                                 Orv::SmartPointer<Orv::INCObjectExpression>& result) override;
  Orv::TResult CreateStructVariableExpression(const Orv::String& name,
                                              Orv::SmartPointer<Orv::INCObjectExpression>& result) override;
  Orv::TResult CreateStructElementExpression(Orv::INCObjectExpression* array, std::int32_t indexCount,
                                             Orv::INCExpression* const* indices,
                                             Orv::SmartPointer<Orv::INCObjectExpression>& result) override;

 private:
  ExecutionContext& context_;
};

}  // namespace Velkor::OrvReference
