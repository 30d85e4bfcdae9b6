// Reference host: the interpreter that runs NC programs of the channel's
// program store the way a host runs them: each block parsed by the plug-in
// as it is reached, its statements executed in order, controller commands
// and functions called through the plug-in's mappers, frames built and
// applied by the plug-in's frame methods. What the machine does is told to a
// listener, event by event.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "orv/plugin.h"
#include "orvref/execution_context.h"

namespace Velkor::OrvReference {

// Where an event happened: the program's name as the store has it, and the
// line, counted from 1.
struct SourcePlace {
  const std::string& file;
  std::int32_t line;
};

using Point3 = std::array<double, 3>;

// A move of the machine. Positions are machine coordinates of every channel
// axis in channel order; the arc's geometry is that of the three geometry
// axes.
struct Move {
  enum class Kind { kRapid, kLinear, kArc };
  Kind kind;
  const std::vector<double>& from;
  const std::vector<double>& to;
  // mm/min; 0 for a rapid move.
  double feed;
  // The distance the tool travels in the geometry axes (along the arc for an
  // arc); a move of other axes only travels 0.
  double length;
  // The largest travel of an axis other than the geometry axes.
  double otherTravel;
  // Arcs: the centre, in the plane of the start point; the unit normal of
  // the plane the arc turns in; the signed angle it turns about that normal
  // (counter-clockwise positive), and whether it turns clockwise seen from
  // the positive machine axis nearest to that normal.
  Point3 centre{};
  Point3 normal{};
  double sweep = 0.0;
  bool clockwise = false;
};

enum class SpindleState { kStopped, kClockwise, kCounterClockwise };

// Receives the events of a run in order. The references handed over live
// only during the call.
class RunListener {
 public:
  virtual void Moved(const SourcePlace& place, const Move& move) = 0;
  virtual void Dwelled(const SourcePlace& place, double seconds) = 0;
  virtual void SpindleChanged(const SourcePlace& place, SpindleState state, double speed) = 0;
  virtual void ToolChanged(const SourcePlace& place, const std::string& tool, std::int32_t offset) = 0;
  virtual void Message(const SourcePlace& place, const std::string& text) = 0;
  // M0 or M1.
  virtual void Stopped(const SourcePlace& place, std::int32_t code) = 0;
  virtual void Called(const SourcePlace& place, const std::string& name) = 0;
  virtual void Returned(const SourcePlace& place) = 0;
  virtual void Ended(const SourcePlace& place) = 0;
  // A command the run passes over, told once per name.
  virtual void NotSimulated(const SourcePlace& place, const std::string& name) = 0;
  // A block calls a subprogram with arguments and without EXTERN: every
  // argument that is a variable is passed by reference.
  virtual void UndeclaredSubprogram(const SourcePlace& place, const std::string& name) = 0;
  // True stops the run before its next block (its output is lost, say).
  virtual bool Cancelled() const { return false; }

 protected:
  ~RunListener() = default;
};

struct RunLimits {
  // More blocks than this end the run with an error.
  std::int64_t maxBlocks = 100'000'000;
};

struct RunOutcome {
  bool succeeded = false;
  // Of a failure: where it happened and why.
  std::string file;
  std::int32_t line = 0;
  std::string message;
  std::int64_t blocks = 0;
};

class Execution;

class Interpreter {
 public:
  // The context's channel must hold the programs and be initialised by the
  // plug-in's controller state; the plug-in's method mapper must be set on
  // the context. Everything given must outlive the interpreter.
  Interpreter(ExecutionContext& context, Orv::IProgramParser& parser, Orv::ICommandMapper& commands,
              RunListener& listener);
  ~Interpreter();
  Interpreter(const Interpreter&) = delete;
  Interpreter& operator=(const Interpreter&) = delete;

  // Runs the program at `program` (an index of the store) from its first
  // block to its end. An interpreter runs once.
  RunOutcome Run(std::int32_t program, const RunLimits& limits);

 private:
  std::unique_ptr<Execution> execution_;
};

}  // namespace Velkor::OrvReference
