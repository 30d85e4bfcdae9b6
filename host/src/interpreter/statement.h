// What a parse of one block hands the interpreter: the block's items in
// order, each with the expressions it needs when it runs.
#pragma once

#include <string>
#include <vector>

#include "orv/arguments.h"
#include "orv/base.h"
#include "orv/expressions.h"
#include "orv/types.h"

namespace Velkor::OrvReference {

struct Statement {
  enum class Kind {
    kLabel,               // text: the label
    kCommand,             // text: the name; arguments
    kComputedCommand,     // expression: the name; arguments
    kInternalCommand,     // text: the name; arguments
    kAssignment,          // target, expression
    kStructAssignment,    // target, expression
    kGoto,                // expression: the label; direction
    kConditionalGoto,     // condition, expression, direction
    kJump,                // expression, direction, startLabel, endLabel
    kConditionalJump,     // condition, expression, direction, startLabel, endLabel
    kDeclaration,         // text: the name; declared, typeCode or type, local
    kSynchronizedAction,  // number: the action's kind
    kCancel,              // text: the action's id
  };
  enum class Declared { kScalar, kArray, kStruct };

  Kind kind;
  // Appended while the block's statement mode was not 0: part of the action
  // of a synchronized action.
  bool synchronized = false;
  Orv::String text;
  Orv::SmartPointer<Orv::ArgumentExpressionList> arguments;
  Orv::SmartPointer<Orv::INCObjectExpression> target;
  Orv::SmartPointer<Orv::INCObjectExpression> expression;
  Orv::SmartPointer<Orv::INCObjectExpression> condition;
  // Jumps: the direction. Synchronized actions: the kind.
  std::int32_t number = 0;
  Orv::String startLabel;
  Orv::String endLabel;
  // Declarations.
  Declared declared = Declared::kScalar;
  std::int32_t typeCode = 0;
  Orv::SmartPointer<Orv::INCType> type;
  bool local = false;
};

struct ParsedBlock {
  std::vector<Statement> statements;
  bool failed = false;
  // Of a failure: the plug-in's message.
  std::string message;
  // Subprograms the block calls with arguments and no EXTERN declaration.
  std::vector<Orv::String> undeclaredCalls;
};

}  // namespace Velkor::OrvReference
