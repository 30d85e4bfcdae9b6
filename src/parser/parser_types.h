// Types the parser keeps beside the host objects it builds: the parser's own
// type codes, the kinds of synchronized action, the expression value of a
// grammar symbol, and the address word record that the scanner attaches to
// address tokens.
#pragma once

#include <cstdint>

#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/expressions.h"

namespace Velkor::OrvTessan {

using ExpressionRef = Orv::SmartPointer<Orv::INCObjectExpression>;

// The parser's type codes; INT to FRAME are also the codes of the scanner's
// type keywords.
enum ParserType : std::int32_t {
  kIntType = 0,
  kRealType = 1,
  kBoolType = 2,
  kCharType = 3,
  kStringType = 4,
  kAxisType = 5,
  kFrameType = 6,
  kArrayType = 7,  // a whole array named without an index
};

std::int32_t ParserToHostType(std::int32_t parserType);
std::int32_t HostToParserType(std::int32_t hostType);

// The kinds of synchronized action the host's parse context takes; the
// scanner delivers the conditional ones as the values of their keywords.
enum SynchronizedActionKind : std::int32_t {
  kNoSynchronizedAction = 0,  // outside any action
  kUnconditionalAction = 1,   // DO right after the identifier
  kFromAction = 2,
  kEveryAction = 3,
  kWhenAction = 4,
  kWheneverAction = 5,
};

// The value of an expression-like grammar symbol: the host expression built
// so far and its parser type, plus what a variable reference carries until
// the reference is used as a value or assigned to.
struct Expr {
  Orv::SmartPointer<Orv::INCObjectExpression> expression;
  std::int32_t type = kIntType;
  // Array or structure target of an indexed reference.
  Orv::SmartPointer<Orv::INCObjectExpression> lvalue;
  // Set when an index is applied to a plain variable (character access).
  Orv::SmartPointer<Orv::INCObjectExpression> variable;
  Orv::SmartPointer<Orv::INCObjectExpression> firstIndex;
  std::int32_t firstIndexType = kIntType;
  Orv::SmartPointer<Orv::INCObjectExpression> secondIndex;
  std::int32_t secondIndexType = kIntType;
  // How an address value is applied ("AC", "IC", ..., or the empty text).
  Orv::SmartPointer<Orv::INCObjectExpression> modifier;

  // Keeps only expression and type, as a reference does once it is a value.
  void DropReferenceParts();
};

// An address token: the command name, the parser type its value takes and
// the flag passed on with the command.
struct AddressWord {
  char name[12];
  std::int32_t valueType;
  std::uint8_t flag;
};

// Initial values of an array declaration.
struct ArrayInitializer {
  bool listMode = true;  // false: the one value is repeated
  Orv::SmartPointer<Orv::ArgumentExpressionList> values;
};

}  // namespace Velkor::OrvTessan
