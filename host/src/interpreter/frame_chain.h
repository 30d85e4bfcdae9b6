// The frames of a run: the settable frames $P_UIFR[0] to $P_UIFR[4] (G500,
// G54 to G57), the programmable frame $P_PFRAME, and the whole frame
// (settable frame : programmable frame) built from them with the plug-in's
// frame methods and applied to the channel's transformation FRAME with its
// command SetTrafoByFrame. The whole frame maps a programmed point to the
// machine: the geometry axes through its matrix, every other axis shifted
// by its offset.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "interpreter/plugin_calls.h"
#include "orv/base.h"
#include "orv/matrix.h"
#include "orv/plugin.h"
#include "values/struct_value.h"

namespace Velkor::OrvReference {

class ExecutionContext;

class FrameChain {
 public:
  enum class Kind { kTranslation, kRotation, kScale, kMirror };
  struct AxisValue {
    std::int32_t axis;
    double value;
  };
  // The name of the channel's transformation that carries the whole frame.
  static constexpr const char* kTransformation = "FRAME";

  FrameChain(ExecutionContext& context, Orv::ICommandMapper& commands);

  // Declares the frame variables, neutral, and the transformation; the
  // channel must know the FRAME type.
  bool Setup(std::string& error);

  // 0 selects $P_UIFR[0] (G500), 1 to 4 the frames of G54 to G57.
  void SelectSettable(std::int32_t index) { selected_ = index; }
  // Replaces the programmable frame by a new frame of one kind with these
  // axis values (none: the neutral frame), or chains the new frame onto it,
  // acting first on a programmed point.
  bool Program(Kind kind, bool chained, const std::vector<AxisValue>& values, std::string& error);
  // Builds the whole frame anew when a frame it is made of or the selection
  // changed; `changed` tells whether the mapping of points changed.
  bool Refresh(bool& changed, std::string& error);

  // Positions of every channel axis.
  void ToMachine(const std::vector<double>& workpiece, std::vector<double>& machine) const;
  void ToWorkpiece(const std::vector<double>& machine, std::vector<double>& workpiece) const;
  // The matrix of the geometry axes, points as rows: p' = p * M.
  const Orv::Matrix& matrix() const { return matrix_; }
  // The channel indices of the three geometry axes; -1 for one the channel
  // does not have.
  const std::array<std::int32_t, 3>& geometry() const { return geometry_; }
  // The channel indices of every other axis.
  const std::vector<std::size_t>& otherAxes() const { return otherAxes_; }

 private:
  bool CallFrameMethod(const char* name, ArgumentValues arguments, Orv::SmartPointer<StructValue>& frame,
                       std::string& error);
  StructValue* Programmable() const;
  StructValue* Settable() const;
  void RememberBuiltFrom(StructValue* programmable, StructValue* settable);

  ExecutionContext& context_;
  Orv::ICommandMapper& commands_;
  std::array<std::int32_t, 3> geometry_{-1, -1, -1};
  std::vector<std::size_t> otherAxes_;
  std::int32_t selected_ = 0;

  // What the whole frame was last built from.
  Orv::SmartPointer<StructValue> builtProgrammable_;
  Orv::SmartPointer<StructValue> builtSettable_;
  std::uint64_t programmableChanges_ = 0;
  std::uint64_t settableChanges_ = 0;
  std::int32_t builtSelection_ = -1;

  Orv::Matrix matrix_;
  Orv::Matrix inverse_;
  std::vector<double> offsets_;
};

}  // namespace Velkor::OrvReference
