// The reference host's interpreter: what a program does, how often its
// blocks are parsed, and that every way a run fails gives back what it took.
#include <gtest/gtest.h>

#include "controller/method_mapper.h"
#include "interpreter_fixture.h"
#include "orvref/live_objects.h"

namespace Velkor::OrvReference::testing {
namespace {

using Lines = std::vector<std::string>;

class InterpreterRun : public InterpreterTest {
 protected:
  InterpreterRun() {
    // The first run declares the frame variables for good.
    EXPECT_TRUE(Run({Program("warm_up.mpf", {"M30"})}).succeeded);
  }

  // Runs and checks that the host objects alive afterwards are as many as
  // before.
  RunOutcome RunWithoutLeaks(const std::vector<std::string>& programs, std::int64_t maxBlocks = 1'000'000) {
    const std::int64_t before = LiveObjectCount();
    const RunOutcome outcome = Run(programs, maxBlocks);
    // The store keeps one object per program added.
    EXPECT_EQ(LiveObjectCount() - before, static_cast<std::int64_t>(programs.size()));
    return outcome;
  }
};

TEST_F(InterpreterRun, MovesTakeTheModalDistanceOrTheirModifier) {
  const RunOutcome outcome = Run({Program("moves.mpf", {"G0 X10 Y20", "G91 X5 Y=AC(1)", "G90 X=IC(-5) Z3", "M30"})});
  EXPECT_TRUE(outcome.succeeded) << outcome.message;
  EXPECT_EQ(events(), (Lines{"1 RAPID 10.0,20.0,0.0", "2 RAPID 15.0,1.0,0.0", "3 RAPID 10.0,1.0,3.0", "4 END"}));
  EXPECT_EQ(outcome.blocks, 4);
}

TEST_F(InterpreterRun, ALoopBodyIsParsedOnceWhileItsDeclarationsStay) {
  const std::int64_t before = parsedBlocks();
  const RunOutcome outcome =
      Run({Program("loop.mpf", {"DEF INT STEP", "FOR STEP=1 TO 50", "G1 X=STEP F100", "ENDFOR", "M30"})});
  ASSERT_TRUE(outcome.succeeded) << outcome.message;
  EXPECT_EQ(parsedBlocks() - before, 5);
  ASSERT_EQ(events().size(), 51u);
  EXPECT_EQ(events()[49], "3 LINEAR 50.0,0.0,0.0 F100.0");
}

TEST_F(InterpreterRun, BlocksAJumpPassesOverAreParsedOnceForTheirLabels) {
  const std::int64_t before = parsedBlocks();
  const RunOutcome outcome = Run({Program("skip.mpf", {"R1=0", "AGAIN: R1=R1+1", "GOTOF SKIP", "G1 X99 F100", "G1 Y99",
                                                       "SKIP: IF R1<10 GOTOB AGAIN", "M30"})});
  ASSERT_TRUE(outcome.succeeded) << outcome.message;
  EXPECT_EQ(events(), Lines{"7 END"});
  // Lines 4 to 6 are parsed on the way to SKIP; line 6 runs from that parse.
  EXPECT_EQ(parsedBlocks() - before, 7);
  EXPECT_EQ(outcome.blocks, 1 + 10 * 3 + 1);
}

TEST_F(InterpreterRun, ABlockNumberIsFoundWithoutParsingTheBlocksOnTheWay) {
  const std::int64_t before = parsedBlocks();
  const RunOutcome outcome = Run(
      {Program("numbers.mpf", {"N10 R1=R1+1", "N15 G0 X=R1", "N20 IF R1<20 GOTOB \"N10\"", "N30 G0 Y1", "N40 M30"})});
  ASSERT_TRUE(outcome.succeeded) << outcome.message;
  EXPECT_EQ(parsedBlocks() - before, 5);
  ASSERT_EQ(events().size(), 22u);
  EXPECT_EQ(events()[19], "2 RAPID 20.0,0.0,0.0");
}

TEST_F(InterpreterRun, ParametersArePassedByValueOrByReferenceAsDeclared) {
  const std::string sub =
      Program("SUB.SPF", {"PROC SUB(INT COPY, VAR INT SAME)", "COPY=COPY+10", "SAME=SAME+10", "RET"});
  const std::string main = Program("params.mpf", {"EXTERN SUB(INT, VAR INT)", "DEF INT FIRST=1, SECOND=1",
                                                  "SUB(FIRST, SECOND)", "MSG(FIRST << \" \" << SECOND)", "M30"});
  const RunOutcome outcome = RunWithoutLeaks({main, sub});
  ASSERT_TRUE(outcome.succeeded) << outcome.message;
  EXPECT_EQ(events(), (Lines{"3 CALL SUB", "4 RETURN", "4 MSG 1 11", "5 END"}));
}

TEST_F(InterpreterRun, WithoutExternEveryVariableIsPassedByReference) {
  const std::string sub = Program("SET5.SPF", {"PROC SET5(INT VALUE)", "VALUE=5", "M17"});
  const std::string main =
      Program("noextern.mpf", {"DEF INT FIRST=1", "SET5(FIRST)", "MSG(\"FIRST=\" << FIRST)", "M30"});
  const RunOutcome outcome = Run({main, sub});
  ASSERT_TRUE(outcome.succeeded) << outcome.message;
  EXPECT_EQ(events(), (Lines{"2 UNDECLARED SET5", "2 CALL SET5", "3 RETURN", "3 MSG FIRST=5", "4 END"}));
}

TEST_F(InterpreterRun, ASubprogramsLocalsVanishAtItsReturn) {
  const std::string sub = Program("LOCALS.SPF", {"PROC LOCALS", "DEF INT LOC=5", "RET"});
  const std::string main = Program("locals.mpf", {"LOCALS", "R1=LOC", "M30"});
  const RunOutcome outcome = RunWithoutLeaks({main, sub});
  EXPECT_FALSE(outcome.succeeded);
  EXPECT_EQ(outcome.line, 2);
  EXPECT_EQ(outcome.message, "The variable 'LOC' hasn't been declared yet.");
}

TEST_F(InterpreterRun, FramesMapProgrammedPointsToTheMachine) {
  const RunOutcome outcome =
      Run({Program("frames.mpf", {"ROT Z90", "G0 X10", "ATRANS X5", "G0 X0", "$P_UIFR[1]=CTRANS(Y,100)", "G54 G0 X0 Y0",
                                  "G500 G0 X0", "TRANS", "G0 X1", "M30"})});
  ASSERT_TRUE(outcome.succeeded) << outcome.message;
  // The translation written after the rotation acts first: (5, 0) turned.
  // G54 adds the settable frame after the programmable one. TRANS alone
  // resets the programmable frame; the tool stays at (0, 5), so Y is 5.
  EXPECT_EQ(events(), (Lines{"2 RAPID 0.0,10.0,0.0", "4 RAPID 0.0,5.0,0.0", "6 RAPID 0.0,105.0,0.0",
                             "7 RAPID 0.0,5.0,0.0", "9 RAPID 1.0,5.0,0.0", "10 END"}));
}

// Counts the frame methods the interpreter asks the plug-in for.
class CountingMethods final : public Orv::IMethodMapper {
 public:
  bool IsMethod(const Orv::String& name) override { return methods_.IsMethod(name); }
  bool GetMethodReturnType(const Orv::String& name, Orv::IExecutionContext* context,
                           Orv::SmartPointer<Orv::INCType>& type) override {
    return methods_.GetMethodReturnType(name, context, type);
  }
  Orv::TResult EvaluateMethod(const Orv::String& name, Orv::SmartPointer<Orv::ArgumentTable> arguments,
                              Orv::IExecutionContext* context, Orv::SmartPointer<Orv::INCObject>& result,
                              std::uint32_t& status, Orv::String& message) override {
    if (name == "MultiplyFrames") ++products;
    return methods_.EvaluateMethod(name, std::move(arguments), context, result, status, message);
  }

  int products = 0;

 private:
  OrvTessan::MethodMapper methods_;
};

TEST_F(InterpreterRun, TheWholeFrameIsBuiltOnlyOnceAFrameChanges) {
  CountingMethods methods;
  context().SetMethodMapper(&methods);
  // The frames start neutral, as the machine does.
  ASSERT_TRUE(Run({Program("plain.mpf", {"G0 X10 Y5", "G1 X20 F100", "M30"})}).succeeded);
  EXPECT_EQ(methods.products, 0);
  EXPECT_EQ(events(), (Lines{"1 RAPID 10.0,5.0,0.0", "2 LINEAR 20.0,5.0,0.0 F100.0", "3 END"}));
  // A settable frame selected and a translation chained: one whole frame
  // each, one product for the chaining.
  ASSERT_TRUE(Run({Program("framed.mpf", {"$P_UIFR[1]=CTRANS(X,100)", "G54 G0 X0", "ATRANS Y5", "G0 X0 Y0", "M30"})})
                  .succeeded);
  EXPECT_EQ(methods.products, 3);
  EXPECT_EQ(events(), (Lines{"2 RAPID 100.0,0.0,0.0", "4 RAPID 100.0,5.0,0.0", "5 END"}));
}

TEST_F(InterpreterRun, AnArcOfARadiusHasItsCentreFromThePlugIn) {
  // From (0, 0) to (10, 0) clockwise with r = 5*sqrt(2): the centre lies on
  // the right of the chord, 5 below its middle; negative r: the long way.
  const RunOutcome outcome =
      Run({Program("radius.mpf", {"G2 X10 Y0 CR=7.0710678118654755 F100", "G2 X0 Y0 CR=-7.0710678118654755", "M30"})});
  ASSERT_TRUE(outcome.succeeded) << outcome.message;
  EXPECT_EQ(events(), (Lines{"1 ARC CW 10.0,0.0,0.0 C5.0,-5.0,0.0 F100.0", "2 ARC CW 0.0,0.0,0.0 C5.0,-5.0,0.0 F100.0",
                             "3 END"}));
}

struct Failure {
  Lines program;
  std::int32_t line;
  const char* message;
};

TEST_F(InterpreterRun, EveryFailureEndsTheRunAtItsBlockAndReleasesWhatItTook) {
  const Failure failures[] = {
      {{"G0 X1", "R1=1/0"}, 2, "Division by zero."},
      {{"G1 X=UNDEF"}, 1, "The variable 'UNDEF' hasn't been declared yet."},
      {{"GOTOF NOWHERE", "G0 X1"}, 1, "The label 'NOWHERE' was not found."},
      {{"G0 X1", "MISSING"}, 2, "The subprogram 'MISSING' was not found."},
      {{"IF R1==1", "G0 X1"}, 1, "IF without ELSE or ENDIF."},
      {{"LOOP", "G0 X1", "ENDWHILE"}, 3, "ENDWHILE without WHILE."},
      {{"G0 X1", "RET"}, 2, "RET without a call."},
      {{"M17"}, 1, "M17 without a call."},
      {{"AGAIN: G0 X1", "GOTOB AGAIN"}, 1, "The run exceeds its limit of 100 blocks."},
      {{"G2 X10 Y0 F10"}, 1, "G2 needs the centre of its arc (I, J, K) or its radius (CR=)."},
      {{"G3 X10 Y0 CR=4 F10"}, 1, "The programmed radius is too small."},
      {{"G2 X10 Y0 I6 F10"}, 1, "The end point is not on the arc: it lies 4.0 from the centre, the start 6.0."},
  };
  int number = 0;
  for (const Failure& failure : failures) {
    const RunOutcome outcome =
        RunWithoutLeaks({Program("failure" + std::to_string(++number) + ".mpf", failure.program)}, 100);
    EXPECT_FALSE(outcome.succeeded) << failure.program.back();
    EXPECT_EQ(outcome.line, failure.line) << failure.program.back();
    EXPECT_EQ(outcome.message, failure.message);
  }
}

}  // namespace
}  // namespace Velkor::OrvReference::testing
