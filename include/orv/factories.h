// Host engine: the factories through which values, types and expressions are
// made. Every creating operation hands its product out through a counted
// out-parameter and returns ORV_SUCCESS or a failure code. Argument and
// index arrays are a count and an array of (possibly null) pointers; the
// product takes its own references.
#pragma once

#include "orv/expressions.h"

namespace Velkor::Orv {

class ORV_API IValueFactory : public RefObject {
 public:
  ~IValueFactory() override;
  virtual TResult GetBasicType(std::int32_t typeCode, SmartPointer<INCBasicType>& type) = 0;
  virtual TResult CreateBoolValue(bool value, SmartPointer<INCValue>& result) = 0;
  virtual TResult CreateCharValue(char value, SmartPointer<INCValue>& result) = 0;
  virtual TResult CreateIntValue(std::int32_t value, SmartPointer<INCValue>& result) = 0;
  virtual TResult CreateReal3Value(double value, SmartPointer<INCValue>& result) = 0;
  virtual TResult CreateRealValue(double value, SmartPointer<INCValue>& result) = 0;
  virtual TResult CreateStringValue(const String& value, SmartPointer<INCValue>& result) = 0;
  // A value of basic type Object that carries `object` (which may be null).
  virtual TResult CreateReferenceValue(INCObject* object, SmartPointer<INCValue>& result) = 0;
};

class ORV_API IExpressionFactory : public RefObject {
 public:
  ~IExpressionFactory() override;
  virtual TResult CreateConstantExpression(INCValue* value, SmartPointer<INCObjectExpression>& result) = 0;
  virtual TResult CreateConversionExpression(INCExpression* operand, std::int32_t typeCode,
                                             SmartPointer<INCObjectExpression>& result) = 0;
  virtual TResult CreateVariableExpression(const String& name, SmartPointer<INCObjectExpression>& result) = 0;
  virtual TResult CreateElementExpression(INCObjectExpression* base, std::int32_t indexCount,
                                          INCExpression* const* indices, SmartPointer<INCObjectExpression>& result) = 0;
  virtual TResult CreateMemberExpression(INCObjectExpression* structure, const String& member,
                                         SmartPointer<INCObjectExpression>& result) = 0;
  virtual TResult CreateUnaryExpression(INCExpression* operand, std::int32_t operatorCode,
                                        SmartPointer<INCObjectExpression>& result) = 0;
  virtual TResult CreateBinaryExpression(INCExpression* left, INCExpression* right, std::int32_t operatorCode,
                                         SmartPointer<INCObjectExpression>& result) = 0;
  virtual TResult CreateFunctionExpression(std::int32_t argumentCount, INCExpression* const* arguments,
                                           const String& name, SmartPointer<INCObjectExpression>& result) = 0;
  virtual TResult CreateObjectFunctionExpression(std::int32_t argumentCount, INCObjectExpression* const* arguments,
                                                 const String& name, SmartPointer<INCObjectExpression>& result) = 0;
};

class ORV_API ILValueFactory : public RefObject {
 public:
  ~ILValueFactory() override;
  virtual TResult CreateArrayExpression(const String& name, SmartPointer<INCObjectExpression>& result) = 0;
  virtual TResult CreateFrameComponentExpression(INCObjectExpression* frame, const String& component,
                                                 SmartPointer<INCObjectExpression>& result) = 0;
};

class ORV_API IMethodCallFactory : public RefObject {
 public:
  ~IMethodCallFactory() override;
  virtual TResult CreateMethodExpression(std::int32_t argumentCount, INCObjectExpression* const* arguments,
                                         const String& name, SmartPointer<INCObjectExpression>& result) = 0;
  virtual TResult CreateMethodExpressionFromObjects(std::int32_t argumentCount, INCObjectExpression* const* arguments,
                                                    const String& name, SmartPointer<INCObjectExpression>& result) = 0;
  virtual TResult CreateStructVariableExpression(const String& name, SmartPointer<INCObjectExpression>& result) = 0;
  virtual TResult CreateStructElementExpression(INCObjectExpression* array, std::int32_t indexCount,
                                                INCExpression* const* indices,
                                                SmartPointer<INCObjectExpression>& result) = 0;
};

class ORV_API IArrayTypeFactory : public RefObject {
 public:
  ~IArrayTypeFactory() override;
  virtual TResult CreateArrayType(INCType* elementType, std::int32_t dimensionCount, const std::int32_t* sizes,
                                  bool settingA, bool settingB, SmartPointer<INCArrayType>& result) = 0;
};

struct StructMemberDeclaration {
  INCType* type;
  String name;
};

class ORV_API IStructTypeFactory : public RefObject {
 public:
  ~IStructTypeFactory() override;
  virtual TResult CreateStructType(std::int32_t memberCount, const StructMemberDeclaration* members, std::int32_t flags,
                                   SmartPointer<INCStructType>& result) = 0;
};

}  // namespace Velkor::Orv
