// Statement blocks hold no host object beyond their parse: once the host has
// dropped the block's items, the reference host counts as many live objects
// as before the block, whether the block parsed or was refused.
#include <gtest/gtest.h>

#include "block_parsing.h"
#include "orvref/live_objects.h"

namespace Velkor::OrvTessan {
namespace {

class StatementLifetime : public BlockParsing {
 protected:
  StatementLifetime() {
    // Declarations stay in the host's scope for good; they are made first so
    // that the blocks under test find their names.
    for (const char* block :
         {"DEF INT II", "DEF REAL RR", "DEF STRING[8] NAME", "DEF AXIS AXX", "EXTERN SUB1(INT, VAR REAL)"}) {
      EXPECT_EQ(Parse(block), 0) << block;
    }
  }

  // The live-object count after `block` has been parsed and its items
  // dropped, relative to the count before.
  std::int64_t CountChangeAfter(const char* block) {
    recorder_.BeginBlock();
    const std::int64_t before = OrvReference::LiveObjectCount();
    Parse(block);
    recorder_.BeginBlock();
    return OrvReference::LiveObjectCount() - before;
  }
};

TEST_F(StatementLifetime, EveryStatementFamilyReleasesWhatItTook) {
  const char* const blocks[] = {
      // control flow and jumps
      "IF R1>5 GOTOF \"L\" << II G1", "ELSE", "ENDIF", "FOR II=1 TO RR", "ENDFOR", "WHILE II", "ENDWHILE",
      "REPEAT MARK1 MARK2 P=3", "REPEATB MARK1", "UNTIL R1", "CASE RR OF 1 GOTOF LA -2 GOTOF LB DEFAULT GOTOB LC",
      // subprograms
      "SUB1(5, R1)", "SUB2(1)", "NAME(1)", "CALL \"SUB1\"(1, R2)", "CALL BLOCK \"LA\" TO \"LB\"", "MCALL SUB1(1, RR)",
      "TRAILON(X, AXX, 2)", "L100(1, 2)", "RET",
      // synchronized actions and interrupts
      "ID=1 WHENEVER R1>5 DO RDISABLE M3", "DO M3", "CANCEL(1, 2)", "SETINT(3) PRIO=1 RETRACT LIFTFAST",
      // words and commands
      "X=IC(5) S[2]=100 FA[AXX]=3 POS[AXX]=1", "G[8]=2 M1=QU(3) M[II]=RR", "CONTPRON(TAB, 1, UC) GEOAX(2, AXX)",
      // refused blocks, some after items were appended
      "FOR RR=1 TO 3", "GOTOF II", "WHENEVER II DO M3", "G1 FA[II]=100", "CALL NAME(1)", "DEF STRING[8] ST[2,2]",
      "TRAILOF(II, Y)", "IF \"A\" M3", "REPEATB P=2", "WHENEVER R1>5 DO RDISABLE GOTOF II"};
  for (const char* block : blocks) EXPECT_EQ(CountChangeAfter(block), 0) << block;
}

}  // namespace
}  // namespace Velkor::OrvTessan
