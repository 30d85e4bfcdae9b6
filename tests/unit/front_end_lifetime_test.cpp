// Blocks of the block frame, expressions, references and assignments hold no
// host object beyond their parse: once the host has dropped what it was
// handed, the reference host counts as many live objects as before, whether
// the text parsed or was refused.
#include <gtest/gtest.h>

#include <string>

#include "front_end_parsing.h"
#include "orvref/live_objects.h"

namespace Velkor::OrvTessan {
namespace {

using Orv::SmartPointer;

class FrontEndLifetime : public FrontEndParsing {
 protected:
  FrontEndLifetime() {
    SmartPointer<Orv::INCValue> text;
    context_.GetValueFactory()->CreateStringValue("ABC", text);
    context_.scope().DeclareScalar("TXT", text.get());
    context_.scope().DeclareScalar("CNT", Orv::BasicType::Int);
    // Declarations stay in the host's scope for good, and the first parses
    // fill the parser's caches; both happen before anything is counted.
    for (const char* block : {"DEF REAL VEC[3]", "DEF FRAME FRA, FRS[2]", "DEF AXIS AXA", "DEFINE TWO AS 2"}) {
      EXPECT_EQ(ParseBlock(block), Orv::ORV_SUCCESS) << block;
    }
    EXPECT_EQ(CountChangeAfterExpression("1"), 0);
  }

  // The live-object count after `block` has been parsed and its items
  // dropped, relative to the count before.
  std::int64_t CountChangeAfterBlock(const std::string& block) {
    recorder_.BeginBlock();
    const std::int64_t before = OrvReference::LiveObjectCount();
    ParseBlock(block);
    recorder_.BeginBlock();
    return OrvReference::LiveObjectCount() - before;
  }

  // The same for an expression text, once its result has been dropped.
  std::int64_t CountChangeAfterExpression(const std::string& text) {
    const std::int64_t before = OrvReference::LiveObjectCount();
    {
      SmartPointer<Orv::INCExpression> result;
      ParseExpression(text, result);
    }
    return OrvReference::LiveObjectCount() - before;
  }
};

// Accepted and refused texts of every expression family, refused ones at
// every check: types, indexes, undeclared names, syntax.
const char* const kExpressions[] = {
    // literals, functions and operators
    "'HFFFFFFFF'+.5", "\"A\" << 12.5", "<< R1", "ROUND(2.5)+ABS(-3)", "ATAN2(1,2)*POT(R2)", "TRUNC(-2.7) DIV 2",
    "STRLEN(\"AB\")+SUBSTR(\"ABC\",1,2)", "AXSTRING(X)", "AXNAME(\"X\")", "INTERSEC(AA[1],BB[2],CC)",
    "NOT 1==2 AND TRUE XOR 1.5", "B_NOT 1 B_AND 2 B_OR 3", "7/2 MOD 3", "X==Y", "X<>S1", "1==CTRANS()",
    "CTRANS(X,10):CROT(Z,90)==CMIRROR(X,Y)", "INVFRAME(CSCALE(X,2))==FRA",
    // references
    "R[X]+$R[1,2]", "TXT[2]", "R[TXT[1]]", "CNT[2]", "FRA[X,TR]", "FRS[1,Y,RT]", "VEC[AXA]", "FRS[1]==FRA", "AXA", "X1",
    "R", "CTRANS(X,10)", "FRA",
    // refused
    "7 DIV 2.0", "\"A\" MOD 2", "NOT \"A\"", "B_NOT TRUE", "X<Y", "CTRANS()>CROT()", "2:3+4", "CTRANS()*2:3",
    "STRLEN(12)", "SUBSTR(\"A\",1.5)", "AXSTRING(\"X\")", "\"A\" << X", "CTRANS()==1", "CNT[2]+1", "R[\"A\"]",
    "CNT[1,TR]", "CNT[X,TR]", "VEC[1,X,TR]", "FRS[\"A\",X,TR]", "NOPE+1", "NOPE[1,2]", "T", "H1", "1+", "1 2", "G1",
    "GOTOF", "STRING[32]", "$C_X", "NOPE DEF", ""};

TEST_F(FrontEndLifetime, ExpressionsReleaseWhatTheyTook) {
  for (const char* text : kExpressions) EXPECT_EQ(CountChangeAfterExpression(text), 0) << text;
}

TEST_F(FrontEndLifetime, BlocksReleaseWhatTheyTook) {
  // The frame and axis forms reach the structure paths here, as in a real channel.
  EXPECT_EQ(ParseBlock("FRA=CTRANS(X,10):FRS[1] AXA=X FRS[1,X,TR]=FRA[Y,RT]"), Orv::ORV_SUCCESS);
  const char* const blocks[] = {
      // block frame
      "N10 LAB1: R1=TWO ; note", "/3 :20", "%_N_MAIN_MPF", "##LANGUAGE AC", "MSG(\"R1=\" << R1) MSG",
      "DEFINE M17 AS M3",
      // assignments
      "R[2]=R1*2 CNT=CNT+1", "TXT[2]=\"B\"", "VEC[1]=REP(0)", "VEC[0]=SET(1,,3)", "VEC[1]=SET()",
      "FRA=CTRANS(X,10):FRS[1]", "FRS[1,X,TR]=FRA[Y,RT]", "AXA=X", "VEC[AXA]=FRA[X,TR]",
      // refused, some after items were appended
      "N", "N10 N20", "%_N_MAIN_MPF ; X", "MSG(5)", "R1=REP(0)", "VEC=REP(0)", "R1=X", "FRA=1", "R1=FRA", "R1=VEC",
      "R1=2 R2=NOPE", "N10 R1=2)", "VEC[1,X,TR]=1", "FRS[1,\"A\",TR]=1", "DEFINE XX AS", "R1=(1"};
  for (const char* block : blocks) EXPECT_EQ(CountChangeAfterBlock(block), 0) << block;
  for (const char* text : kExpressions) EXPECT_EQ(CountChangeAfterBlock(std::string("R1=") + text), 0) << text;
}

TEST_F(FrontEndLifetime, RefusedLongTextsReleaseWhatTheyTook) {
  EXPECT_EQ(CountChangeAfterBlock("TWO" + std::string(600, ' ')), 0);
  EXPECT_EQ(CountChangeAfterBlock(";" + std::string(17000, 'X')), 0);
  EXPECT_EQ(CountChangeAfterExpression("1" + std::string(600, ' ')), 0);
  EXPECT_EQ(CountChangeAfterExpression("\"" + std::string(17000, 'X') + "\""), 0);
}

}  // namespace
}  // namespace Velkor::OrvTessan
