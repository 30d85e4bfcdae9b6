// One run of an NC program: the blocks in the order the program takes
// them, the statements of each block, the machine they move, the calls and
// repeated sections in progress.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "interpreter/block_parser.h"
#include "interpreter/block_words.h"
#include "interpreter/frame_chain.h"
#include "interpreter/label_finder.h"
#include "interpreter/machine_state.h"
#include "interpreter/program_set.h"
#include "interpreter/words.h"
#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/plugin.h"
#include "orv/types.h"
#include "orv/values.h"
#include "orvref/interpreter.h"

namespace Velkor::OrvReference {

// The working plane's first, second and third axis as positions among the
// geometry axes.
std::array<std::size_t, 3> PlaneGeometry(MachineState::Plane plane);

class Execution {
 public:
  // Subprogram levels below the main program, and sections repeated inside
  // each other.
  static constexpr std::size_t kMaxCallDepth = 16;
  static constexpr std::size_t kMaxSections = 16;

  Execution(ExecutionContext& context, Orv::IProgramParser& parser, Orv::ICommandMapper& commands,
            RunListener& listener);
  ~Execution();

  RunOutcome Run(std::int32_t program, const RunLimits& limits);

 private:
  // A subprogram running, or a section of a program being repeated.
  struct CallFrame {
    enum class Kind { kProgram, kSection };
    Kind kind = Kind::kProgram;
    std::int32_t program = 0;
    Continuation returnTo;
    std::string name;
    // The arguments of the call, until the subprogram's PROC binds them.
    std::vector<CallArgument> arguments;
    bool awaitingParameters = false;
    // MCALL of this program level: the subprogram called after each block
    // that moves, and the arguments written with it.
    std::optional<Orv::String> modalCall;
    Orv::SmartPointer<const Orv::ArgumentExpressionList> modalArguments;
    // Sections: where a repetition starts, the line that ends it, and the
    // repetitions still to come after the one running.
    Continuation sectionStart;
    std::int32_t sectionEnd = 0;
    std::int64_t repetitionsLeft = 0;
    // The last line of this frame's program that ran.
    std::int32_t lastLine = 0;
  };

  // The run, block by block (execution.cpp).
  bool Setup(std::string& error);
  bool RunBlock(Continuation& next);
  bool ProgramEnded(Continuation& next);
  bool FinishBlock(std::int32_t line, BlockWords& words, Continuation& next);
  void RepeatSection(std::int32_t line, Continuation& next);
  SourcePlace Place(std::int32_t line) const;
  // The frame of the subprogram (or main program) running.
  CallFrame& Level();
  bool Fail(std::string message);

  // Statements (statements.cpp).
  bool Execute(const Statement& statement, std::int32_t line, std::int32_t item, BlockWords& words);
  bool ExecuteCommand(const Orv::String& name, const Orv::ArgumentExpressionList* arguments, std::int32_t line,
                      std::int32_t item, BlockWords& words);
  bool ExecuteInternalCommand(const Statement& statement, std::int32_t line);
  bool Assign(const Statement& statement);
  bool AssignStructure(const Statement& statement);
  bool Declare(const Statement& statement);
  bool TakeJump(const Statement& statement, std::int32_t line, std::int32_t item, BlockWords& words);
  // Finds a label, failing with what its absence says about the program.
  bool Locate(std::int32_t program, ProgramPosition from, const JumpTarget& target, ProgramPosition& found);
  void NoteNotSimulated(std::int32_t line, const std::string& name);

  // Values of expressions and arguments (values.cpp).
  bool Evaluate(const Orv::INCObjectExpression* expression, Orv::SmartPointer<Orv::INCObject>& value);
  bool EvaluateText(const Orv::INCObjectExpression* expression, Orv::String& text);
  bool Condition(const Orv::INCObjectExpression* expression, bool& holds);
  // A named argument of a statement; null when it is absent.
  static const Orv::INCObjectExpression* Argument(const Orv::ArgumentExpressionList* arguments, std::string_view name);
  // Several named arguments in one pass: found[i] for names[i], or null.
  static void FindArguments(const Orv::ArgumentExpressionList* arguments, std::span<const std::string_view> names,
                            std::span<const Orv::INCObjectExpression*> found);
  bool Real(const Orv::INCObjectExpression* expression, double& number);
  // The number of the argument "Value".
  bool RealArgument(const Orv::ArgumentExpressionList* arguments, double& number);
  // "Value" and the modifier "Flag" of an axis or centre word.
  bool AxisWord(const Orv::ArgumentExpressionList* arguments, std::int32_t line, double& number, Distance& distance);

  // Calls, returns and repeated sections (calls.cpp).
  bool PrepareArgument(const Orv::INCObjectExpression* expression, bool byReference, CallArgument& argument);
  bool PrepareCall(const Orv::String& name, const Orv::ArgumentExpressionList* arguments, PendingCall& call);
  bool SetModalCall(const Orv::ArgumentExpressionList* arguments);
  bool BindParameters(const Orv::ArgumentExpressionList* parameters);
  bool Call(std::int32_t line, PendingCall& call, Continuation& next);
  // `word` is RET or M17, or null at the end of a subprogram.
  bool Return(std::int32_t line, const char* word, Continuation& next);
  bool PrepareSection(std::int32_t program, ProgramPosition from, const Orv::String& start, const Orv::String* end,
                      std::int64_t repetitions, BlockWords& words);
  bool PrepareRepeat(const Orv::ArgumentExpressionList* arguments, std::int32_t line, std::int32_t item,
                     BlockWords& words);
  bool PrepareSectionCall(const Orv::ArgumentExpressionList* arguments, std::int32_t line, std::int32_t item,
                          BlockWords& words);

  // Frames, settings and moves (motion.cpp).
  Point3 GeometryPoint(const std::vector<double>& position) const;
  bool RefreshFrames();
  bool ApplyFrames(const BlockWords& words);
  bool ProgramFrame(const BlockWords& words);
  void ReportSettings(std::int32_t line, const BlockWords& words);
  void ReportStops(std::int32_t line, const BlockWords& words);
  bool MoveAxes(std::int32_t line, const BlockWords& words, bool& moved);
  bool PlanArc(const BlockWords& words, const std::vector<double>& target, const Point3& chord, Move& move);
  // The centre in the working plane, from the start and end point there.
  bool ArcCentreFromRadius(const std::array<double, 4>& ends, double radius, bool clockwise, double& centre1,
                           double& centre2);

  ExecutionContext& context_;
  Orv::ICommandMapper& commands_;
  RunListener& listener_;
  ProgramSet programs_;
  BlockParser parser_;
  LabelFinder labels_;
  FrameChain frames_;
  MachineState machine_;
  const WordTable commandWords_;
  std::vector<CallFrame> calls_;
  // The text and words of the block running, and where its move goes
  // (programmed and on the machine): kept to reuse their memory from block
  // to block.
  Orv::String lineText_;
  BlockWords blockWords_;
  std::vector<double> target_;
  std::vector<double> machineTarget_;
  Orv::SmartPointer<Orv::INCStructType> arcCentreType_;
  std::set<std::string> notedNames_;
  std::int64_t blocks_ = 0;
  std::int64_t maxBlocks_ = 0;
  // The program and line running.
  std::int32_t program_ = 0;
  std::int32_t line_ = 0;
  bool running_ = true;
  std::string error_;
};

}  // namespace Velkor::OrvReference
