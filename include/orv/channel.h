// Host engine: a machine channel with its axes, transformations, programs and
// subprogram declarations.
#pragma once

#include "orv/base.h"

namespace Velkor::Orv {

class IExecutionContext;

class ORV_API IProgramText : public RefObject {
 public:
  ~IProgramText() override;
  virtual std::int32_t GetLineCount() const = 0;
  virtual TResult GetLine(std::int32_t index, String& line) const = 0;
};

class ORV_API IProgramStore {
 public:
  virtual ~IProgramStore();
  virtual std::int32_t GetProgramCount(const String& key) const = 0;
  virtual TResult GetProgram(const String& key, std::int32_t index, SmartPointer<IProgramText>& program) const = 0;
};

// Parameter passing modes of subprogram declarations.
namespace ParameterMode {
inline constexpr std::int32_t Other = 0;
inline constexpr std::int32_t ByValue = 1;
inline constexpr std::int32_t ByReference = 2;
}  // namespace ParameterMode

class ORV_API IChannel {
 public:
  virtual ~IChannel();

  virtual IExecutionContext* GetExecutionContext() = 0;

  virtual String GetProgramKey() const = 0;
  virtual IProgramStore* GetProgramStore() = 0;

  virtual TResult DeclareSubprogram(const String& name) = 0;
  virtual TResult AddParameterMode(const String& name, std::int32_t mode) = 0;
  virtual TResult GetParameterMode(const String& name, std::int32_t index, std::int32_t& mode) const = 0;
  // Non-zero when no declaration of the subprogram is known.
  virtual std::int32_t IsSubprogramUndeclared(const String& name) const = 0;

  virtual TResult GetAxisIndex(const String& name, std::int32_t& index) const = 0;
  virtual String GetGeometryAxisName1() const = 0;
  virtual String GetGeometryAxisName2() const = 0;
  virtual String GetGeometryAxisName3() const = 0;
  // 1: rotations are Z, X, Z; anything else: X, Y, Z.
  virtual std::int32_t GetRotationSequence() const = 0;
  virtual double GetRadiusTolerance() const = 0;

  virtual TResult ResetTransformation(const String& name, bool resetAll) = 0;
  virtual TResult ScaleTransformation(const String& name, const String& axis, double factor) = 0;
  virtual TResult RotateTransformation(const String& name, const String& axis, double angle) = 0;
  virtual TResult SetTransformationOffset(const String& name, std::int32_t axis, double offset) = 0;
  virtual TResult GetTransformationOffset(const String& name, std::int32_t axis, double& offset) const = 0;
  virtual TResult SetTransformationMatrix(const String& name, const double (&matrix)[4][4]) = 0;
  virtual TResult GetTransformationMatrix(const String& name, double (&matrix)[4][4]) const = 0;
  // Non-zero when the transformation takes its angles in radians.
  virtual std::int32_t TransformationUsesRadians(const String& name) const = 0;

  virtual void SetChannelSwitchA(bool on) = 0;
  virtual void SetChannelSwitchB(bool on) = 0;
};

}  // namespace Velkor::Orv
