// Reference host: a machine channel with its axes, transformations,
// programs and subprogram declarations.
#pragma once

#include <map>
#include <optional>
#include <vector>

#include "orv/base.h"
#include "orv/channel.h"
#include "orv/context.h"
#include "orv/matrix.h"
#include "orvref/program_store.h"

namespace Velkor::OrvReference {

// Told of the subprogram declarations made through the channel, in order.
class SubprogramListener {
 public:
  virtual void SubprogramDeclared(const Orv::String& name) = 0;
  virtual void ParameterModeAdded(const Orv::String& name, std::int32_t mode) = 0;

 protected:
  ~SubprogramListener() = default;
};

// The default channel has the axes X, Y, Z, A, B, C (indices 0 to 5), the
// geometry axes X, Y, Z, rotation sequence 0, radius tolerance 0.001, and
// one transformation, BASE, that takes its angles in degrees.
class Channel final : public Orv::IChannel {
 public:
  static constexpr const char* kProgramKey = "PROGRAMS";

  explicit Channel(Orv::IExecutionContext& context);
  ~Channel() override;

  Orv::IExecutionContext* GetExecutionContext() override { return &context_; }
  Orv::String GetProgramKey() const override { return kProgramKey; }
  Orv::IProgramStore* GetProgramStore() override { return &programs_; }

  // A subprogram declared again starts with no parameter modes.
  Orv::TResult DeclareSubprogram(const Orv::String& name) override;
  // Fails for a subprogram that is not declared.
  Orv::TResult AddParameterMode(const Orv::String& name, std::int32_t mode) override;
  Orv::TResult GetParameterMode(const Orv::String& name, std::int32_t index, std::int32_t& mode) const override;
  // Records each name it answers "not declared" for.
  std::int32_t IsSubprogramUndeclared(const Orv::String& name) const override;
  // As IsSubprogramUndeclared, the other way round, and without a record.
  bool HasSubprogramDeclaration(const Orv::String& name) const { return state_.subprograms.count(name) != 0; }
  // Grows with every declaration and parameter mode: what parses of calls
  // depend on.
  std::uint64_t subprogramDeclarationCount() const { return subprogramDeclarationCount_; }

  // Names are matched exactly.
  Orv::TResult GetAxisIndex(const Orv::String& name, std::int32_t& index) const override;
  Orv::String GetGeometryAxisName1() const override { return GeometryAxisName(0); }
  Orv::String GetGeometryAxisName2() const override { return GeometryAxisName(1); }
  Orv::String GetGeometryAxisName3() const override { return GeometryAxisName(2); }
  std::int32_t GetRotationSequence() const override { return state_.rotationSequence; }
  double GetRadiusTolerance() const override { return state_.radiusTolerance; }

  // Every transformation operation fails for a name the channel does not
  // know. Offsets exist for the channel's axes only.
  // Sets the matrix to the identity; with resetAll the offsets to 0 too.
  Orv::TResult ResetTransformation(const Orv::String& name, bool resetAll) override;
  // Multiplies the matrix from the right by the scale along, or the rotation
  // about, a geometry axis; the angle is in the transformation's unit.
  Orv::TResult ScaleTransformation(const Orv::String& name, const Orv::String& axis, double factor) override;
  Orv::TResult RotateTransformation(const Orv::String& name, const Orv::String& axis, double angle) override;
  Orv::TResult SetTransformationOffset(const Orv::String& name, std::int32_t axis, double offset) override;
  Orv::TResult GetTransformationOffset(const Orv::String& name, std::int32_t axis, double& offset) const override;
  Orv::TResult SetTransformationMatrix(const Orv::String& name, const double (&matrix)[4][4]) override;
  Orv::TResult GetTransformationMatrix(const Orv::String& name, double (&matrix)[4][4]) const override;
  std::int32_t TransformationUsesRadians(const Orv::String& name) const override;

  void SetChannelSwitchA(bool on) override { state_.switchA = on; }
  void SetChannelSwitchB(bool on) override { state_.switchB = on; }

  // Setting the channel up. Transformations keep the offsets of the axes
  // that stay. At most three geometry axes count.
  void SetAxes(std::vector<Orv::String> names);
  void SetGeometryAxes(std::vector<Orv::String> names);
  void SetRotationSequence(std::int32_t sequence) { state_.rotationSequence = sequence; }
  void SetRadiusTolerance(double tolerance) { state_.radiusTolerance = tolerance; }
  // A new transformation with the identity matrix and offsets 0.
  void AddTransformation(const Orv::String& name, bool usesRadians);
  ProgramStore& programs() { return programs_; }
  const std::vector<Orv::String>& axes() const { return state_.axes; }

  // A host that runs one program after another on the channel starts each
  // from the channel as it was set up: KeepAsSetup() takes the axes,
  // transformations, subprogram declarations, switches and programs as they
  // are now; ResetToSetup() puts them back, dropping the programs added
  // since, and forgets the undeclared subprograms. The declaration count
  // grows when the declarations change back.
  void KeepAsSetup();
  void ResetToSetup();

  // What the plug-in did to the channel.
  std::optional<bool> channelSwitchA() const { return state_.switchA; }
  std::optional<bool> channelSwitchB() const { return state_.switchB; }
  const std::vector<Orv::String>& undeclaredSubprogramQueries() const { return undeclaredQueries_; }
  void ForgetUndeclaredSubprogramQueries() { undeclaredQueries_.clear(); }
  void SetSubprogramListener(SubprogramListener* listener) { listener_ = listener; }

 private:
  struct Transformation {
    std::vector<double> offsets;
    Orv::Matrix matrix;
    bool usesRadians = false;
  };

  Orv::String GeometryAxisName(std::size_t position) const;
  // The position (0 to 2) of a geometry axis, or -1.
  int GeometryPosition(const Orv::String& axis) const;
  Transformation* Find(const Orv::String& name);
  const Transformation* Find(const Orv::String& name) const;

  // Everything that setting up, programs and the plug-in change.
  struct State {
    std::vector<Orv::String> axes;
    std::vector<Orv::String> geometryAxes;
    std::int32_t rotationSequence = 0;
    double radiusTolerance = 0.001;
    std::map<Orv::String, Transformation> transformations;
    std::map<Orv::String, std::vector<std::int32_t>> subprograms;
    std::optional<bool> switchA;
    std::optional<bool> switchB;
  };

  Orv::IExecutionContext& context_;
  ProgramStore programs_;
  State state_;
  State setup_;
  std::size_t setupProgramCount_ = 0;
  std::uint64_t subprogramDeclarationCount_ = 0;
  mutable std::vector<Orv::String> undeclaredQueries_;
  SubprogramListener* listener_ = nullptr;
};

}  // namespace Velkor::OrvReference
