// The process-wide state of the NC parsers: one instance per loaded library,
// shared by the block and the expression entry points. One parse runs at a
// time; nothing here is guarded.
#pragma once

#include <string>
#include <vector>

#include "orv/base.h"
#include "orv/channel.h"
#include "orv/context.h"
#include "orv/expressions.h"
#include "orv/factories.h"
#include "orv/types.h"
#include "parser/class_kinds.h"
#include "parser/parse_arena.h"
#include "parser/read_count.h"
#include "parser/scanner.h"

namespace Velkor::OrvTessan {

// Input and flags shared by both scanner instances.
struct ScanState {
  Orv::String currentText;       // private copy of the text being scanned
  std::size_t readPosition = 0;  // characters handed to a scanner so far
  // Hand the scanner one character per read instead of all there is, so
  // that readPosition counts what it looked at (see ScanActions::ReadInput).
  bool oneCharacterAtATime = false;
  // Where the matches of the current main pass began, each once, in order:
  // the error routine works out from them how far a scanner fed one
  // character at a time would have read.
  std::vector<std::size_t> matchStarts;
  bool prescan = false;       // macro-expansion pass
  bool definition = false;    // the block is a DEFINE: no expansion, AS starts the value
  bool labelAllowed = false;  // a word followed by ':' is a label declaration
  bool programName = false;   // the next integer names a subprogram (after L)
  std::string expandedText;   // the text after macro expansion
  std::string rejectedWord;   // last G/H/L/M word found not to be a macro

  // Makes `text` the current text, read from its start.
  void SetInput(std::string_view text);
};

// The message a failed parse hands to the host.
struct ErrorState {
  static constexpr const char* kDefaultMessage = "Parse error.";
  Orv::String lastMessage = kDefaultMessage;
  std::int32_t kind = 0;

  void Reset() {
    lastMessage = kDefaultMessage;
    kind = 0;
  }
};

// Host objects fetched at the start of each parse.
struct HostObjects {
  Orv::IExecutionContext* executionContext = nullptr;
  Orv::SmartPointer<Orv::IValueFactory> values;
  Orv::SmartPointer<Orv::IExpressionFactory> expressions;
  Orv::SmartPointer<Orv::IMethodCallFactory> methodCalls;
  Orv::SmartPointer<Orv::IArrayTypeFactory> arrayTypes;
  Orv::SmartPointer<Orv::ILValueFactory> lvalues;
  Orv::IChannel* channel = nullptr;
  Orv::IVariableScope* scope = nullptr;
  Orv::SmartPointer<Orv::INCStructType> frameType;
  Orv::SmartPointer<Orv::INCStructType> axisType;
};

// Statement state of the program grammar that lives for one block, and the
// declaration context that lives until the next DEF.
struct StatementState {
  Orv::SmartPointer<Orv::INCObjectExpression> caseSelector;
  std::int32_t syncKind = kNoSynchronizedAction;
  Orv::SmartPointer<Orv::INCObjectExpression> syncCondition;
  std::int32_t declarationScope = 0;
  std::int32_t declarationType = 0;
  // The empty modifier of the block's address words, made for the first.
  Orv::SmartPointer<Orv::INCObjectExpression> noModifier;

  // Forgets the CASE selector, the synchronized action and the modifier of
  // a block; the declaration context stays for the next DEF.
  void EndBlock() {
    caseSelector.reset();
    syncKind = kNoSynchronizedAction;
    syncCondition.reset();
    noModifier.reset();
  }
};

struct ParseState {
  ParseState();

  // Lives as long as the library and is emptied whenever a program parser
  // is constructed.
  MacroTable macros;
  ScanState scan;
  ErrorState error;
  HostObjects host;
  StatementState statement;
  Orv::SmartPointer<Orv::INCObjectExpression> expressionResult;
  ParseArena arena;
  // Emptied whenever a program parser is constructed.
  ExpressionKinds expressionKinds;
  TypeKinds typeKinds;
  Scanner programScanner;
  Scanner expressionScanner;
  // Works out the prefix a syntax error message quotes.
  ReadCounter readCounter;
  // Blocks of plain words are read without the grammar (plain_block.h);
  // tests turn this off to hold the two readings side by side.
  bool readPlainBlocks = true;

  // Inline, so that the actions that reach it do not pay a call each time.
  static ParseState& Global() {
    static ParseState state;
    return state;
  }
};

}  // namespace Velkor::OrvTessan
