// What the statements of one block ask of the machine, gathered while they
// run and carried out when the block is done: the move with its words, the
// settings, the stops, and where the program goes on.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "interpreter/frame_chain.h"
#include "interpreter/label_index.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/values.h"
#include "orvref/interpreter.h"

namespace Velkor::OrvReference {

// Where a program goes on: a statement of a line. After a jump, `landing` is
// the label it lands on, checked against the block when it runs.
struct Continuation {
  std::int32_t program = 0;
  ProgramPosition position;
  Orv::String landing;
};

enum class Distance { kModal, kAbsolute, kIncremental };

// An argument of a call, evaluated where the call is written.
struct CallArgument {
  enum class Kind {
    kAbsent,
    kValue,      // value: a basic value
    kReference,  // reference: the caller's scalar or element
    kShared,     // value: the caller's own array or structure
    kCopied,     // value: an array or structure the parameter gets a copy of
  };
  Kind kind = Kind::kAbsent;
  Orv::SmartPointer<Orv::INCObject> value;
  Orv::SmartPointer<Orv::INCLValue> reference;
};

struct PendingCall {
  Orv::String name;
  std::int32_t program = 0;
  std::vector<CallArgument> arguments;
};

// A section of a program to run `repetitions` times, from `start` to the
// end of line `endLine`.
struct PendingSection {
  Continuation start;
  std::int32_t endLine = 0;
  std::int64_t repetitions = 0;
};

struct BlockWords {
  struct Axis {
    std::size_t axis;
    double value;
    Distance distance;
  };
  struct Centre {
    double value;
    bool absolute;
  };

  std::vector<Axis> axes;
  // I, J, K: the centre of an arc along the first, second, third geometry
  // axis.
  std::array<std::optional<Centre>, 3> centre;
  std::optional<double> radius;
  std::optional<double> planeRotation;
  std::optional<double> feed;
  bool dwell = false;
  std::optional<FrameChain::Kind> frameKind;
  bool frameChained = false;
  std::optional<std::int32_t> settableFrame;
  std::optional<double> speed;
  std::optional<SpindleState> spindle;
  std::optional<std::string> tool;
  std::optional<std::int32_t> toolOffset;
  std::vector<std::string> messages;
  std::optional<std::int32_t> stop;
  bool end = false;
  // RET or M17.
  const char* returnWord = nullptr;
  std::optional<PendingCall> call;
  std::optional<PendingSection> section;
  // An assignment, declaration or command may have changed a frame.
  bool wroteVariables = false;
  std::optional<Continuation> jump;

  // Empty again for the next block, keeping the memory of the axis words.
  void Clear() {
    std::vector<Axis> kept = std::move(axes);
    kept.clear();
    *this = BlockWords();
    axes = std::move(kept);
  }
};

}  // namespace Velkor::OrvReference
