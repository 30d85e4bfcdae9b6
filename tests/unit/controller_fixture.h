// Test ground for the controller: a reference-host channel prepared by the
// controller state, the two mappers, and helpers that build arguments and
// frames. Every test ends with the host's live-object count back where it
// was before the channel was made, so a reference that a command or method
// forgot to release fails the test that leaked it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controller/command_mapper.h"
#include "controller/method_mapper.h"
#include "orv/base.h"
#include "orv/matrix.h"
#include "orv/types.h"
#include "orv/values.h"
#include "orvref/execution_context.h"

namespace Velkor::OrvTessan::testing {

using Object = Orv::SmartPointer<Orv::INCObject>;
using Frame = Orv::SmartPointer<Orv::INCStruct>;

// What a mapper answered. The status word starts at 1, so that a failure
// shows that it was cleared.
struct Outcome {
  Orv::TResult result = -1;
  std::uint32_t status = 1;
  Orv::String message;
  Object value;  // a method's result
};

class ControllerTest : public ::testing::Test {
 protected:
  ControllerTest();
  void TearDown() override;

  Outcome Execute(const char* command, std::vector<Object> arguments);
  Outcome Evaluate(const char* method, std::vector<Object> arguments);

  // Argument values.
  Object Real(double value);
  Object Int(std::int32_t value);
  Object Text(const char* value);
  Object Bool(bool value);
  // A reference value carrying a host matrix.
  Object MatrixValue(const Orv::Matrix& matrix);

  Orv::SmartPointer<Orv::INCBasicType> BasicType(std::int32_t typeCode);
  Orv::SmartPointer<Orv::INCStructType> FrameType();
  // A structure type of the given members, each of one basic type.
  Orv::SmartPointer<Orv::INCStructType> StructType(std::int32_t typeCode, std::vector<const char*> members);
  Orv::SmartPointer<Orv::INCArrayType> ArrayType(Orv::INCType* elementType, std::vector<std::int32_t> sizes);

  Frame NewFrame();
  // A frame variable of the channel, live: changes show in the variable.
  Frame DeclareFrame(const char* name);
  double Element(Orv::INCStruct& frame, const char* component, std::int32_t axis);
  void SetElement(Orv::INCStruct& frame, const char* component, std::int32_t axis, double value);
  // The frame's matrix through GetMatrixFromFrame.
  Orv::Matrix MatrixOf(const Frame& frame);
  // The frame of a matrix through GetFrameFromMatrix.
  Frame FrameOf(const Orv::Matrix& matrix);
  // The neutral frame: scale 1.0 on every axis, every other element 0.
  ::testing::AssertionResult IsDefaultFrame(Orv::INCStruct& frame);

  OrvReference::Channel& channel() { return context_->channel(); }
  OrvReference::ExecutionContext& context() { return *context_; }

 private:
  const std::int64_t startCount_;
  std::unique_ptr<OrvReference::ExecutionContext> context_;
  CommandMapper commands_;
  MethodMapper methods_;
};

// The matrix with the given upper 3x3 rows and translation row.
Orv::Matrix Affine(const double (&rows)[3][3], const double (&translation)[3] = {0, 0, 0});

// Element by element, within `tolerance`.
::testing::AssertionResult MatricesNear(const Orv::Matrix& expected, const Orv::Matrix& actual,
                                        double tolerance = 1e-9);

}  // namespace Velkor::OrvTessan::testing
