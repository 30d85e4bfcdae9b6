// The commands the machine model knows, by name, and what each means to
// it. Every other name is not simulated.
#pragma once

#include <orv/base.h>

#include <string_view>
#include <unordered_map>
#include <vector>

namespace Velkor::OrvReference {

enum class Word {
  kAxis,
  kIgnored,
  kMotion,
  kDwell,
  kPlane,
  kUnits,
  kDistance,
  kSettableFrame,
  kFeed,
  kSpeed,
  kTool,
  kToolOffset,
  kCentre,
  kRadius,
  kPlaneRotation,
  kStop,
  kEnd,
  kSpindle,
  kReturn,
  kMessage,
  kFrame,
  kChainedFrame,
  kCall,
  kModalCall,
  kNumberedCall,
  kProcedure,
  kRepeat,
};

struct WordMeaning {
  Word word;
  // Axis: its index; motion, plane, spindle: the state; settable frame,
  // centre, stop: the number; frames: the kind.
  int value = 0;
};

using WordTable = std::unordered_map<std::string_view, WordMeaning>;

// The known commands, the channel's axes among them, whose names must
// outlive the table.
WordTable MakeWordTable(const std::vector<Orv::String>& axes);

}  // namespace Velkor::OrvReference
