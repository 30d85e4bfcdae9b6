// Constant expressions for the tests of the reference host, made by the value
// and expression factories of the fixture's execution context.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "orv/base.h"
#include "orv/context.h"
#include "orv/expressions.h"
#include "orv/factories.h"
#include "orv/values.h"

namespace Velkor::OrvReference {

class HostConstants {
 protected:
  virtual ~HostConstants() = default;
  // The context whose factories make the constants.
  virtual Orv::IExecutionContext& FactoryContext() = 0;

  Orv::SmartPointer<Orv::INCObjectExpression> Constant(const Orv::SmartPointer<Orv::INCValue>& value) {
    Orv::SmartPointer<Orv::INCObjectExpression> result;
    EXPECT_EQ(FactoryContext().GetExpressionFactory()->CreateConstantExpression(value.get(), result), Orv::ORV_SUCCESS);
    return result;
  }
  Orv::SmartPointer<Orv::INCObjectExpression> Int(std::int32_t number) {
    Orv::SmartPointer<Orv::INCValue> value;
    FactoryContext().GetValueFactory()->CreateIntValue(number, value);
    return Constant(value);
  }
  Orv::SmartPointer<Orv::INCObjectExpression> Real(double number) {
    Orv::SmartPointer<Orv::INCValue> value;
    FactoryContext().GetValueFactory()->CreateRealValue(number, value);
    return Constant(value);
  }
  Orv::SmartPointer<Orv::INCObjectExpression> Text(const char* text) {
    Orv::SmartPointer<Orv::INCValue> value;
    FactoryContext().GetValueFactory()->CreateStringValue(text, value);
    return Constant(value);
  }
};

}  // namespace Velkor::OrvReference
