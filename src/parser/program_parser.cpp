// The two entry points of the program parser and the drivers behind them.
// Both run the same two passes over a private upper-cased copy of the text:
// the pre-scan, which expands macros into the expanded text, then the grammar
// over the expanded text with the host objects fetched for this parse.
#include "parser/program_parser.h"

#include "orv/string_util.h"
#include "parser/nc_grammar.h"
#include "parser/parse_session.h"
#include "parser/plain_block.h"
#include "plugin/messages.h"
#include "plugin/results.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

// Blocks (after expansion) and expression texts must stay below this length.
constexpr std::size_t kMaximumTextLength = 512;

const Orv::String kFrameTypeName = "FRAME";
const Orv::String kAxisTypeName = "AXIS";

template <class T>
void Cache(SmartPointer<T>& cached, SmartPointer<T> fetched) {
  if (cached.get() != fetched.get()) cached = std::move(fetched);
}

int MessageFor(ScannerFailure::Reason reason) {
  return reason == ScannerFailure::Reason::kTokenTooLong ? kLineTooLong : kInternalError;
}

void WriteMessage(int number, std::int32_t* messageKind, Orv::String* message) {
  if (messageKind) *messageKind = 0;
  if (message) *message = FormatMessage(number);
}

// A NUL byte is no part of any text: the text is refused, quoting what
// comes before the byte, and never reaches the scanners.
bool RefusedForNul(const Orv::String& text, std::int32_t* messageKind, Orv::String* message) {
  const std::size_t nul = text.find('\0');
  if (nul == Orv::String::npos) return false;
  Orv::String read = text.substr(0, nul);
  Orv::StringUtil::ToUpper(read);
  if (messageKind) *messageKind = 0;
  if (message) *message = FormatMessage(kParseErrorAfter, read.c_str());
  return true;
}

// Upper-cases the text into the current text and resets what the pre-scan
// starts from.
void TakeText(ScanState& scan, const Orv::String& text) {
  scan.SetInput(std::string_view(text.data(), text.size()));
  Orv::StringUtil::ToUpper(scan.currentText);  // a to z only, whatever the locale
  scan.expandedText.clear();
  scan.definition = false;
  scan.rejectedWord.clear();
  // A label at the head of a block is expanded like any word, whatever the
  // previous block left behind.
  scan.labelAllowed = false;
}

// Makes the expanded text the input of the main pass.
void StartMainPass(ScanState& scan) {
  scan.SetInput(scan.expandedText);
  scan.expandedText.clear();
  scan.definition = false;
}

// Takes the text and runs the pre-scan over it; the macro-expanded text it
// leaves becomes the current text, the input of the main pass.
void Prescan(ParseState& state, Scanner& scanner, const Orv::String& text) {
  ScanState& scan = state.scan;
  TakeText(scan, text);
  scan.prescan = true;
  try {
    while (scanner.NextToken() != 0) {
    }
  } catch (...) {
    scan.prescan = false;
    throw;
  }
  scan.prescan = false;
  StartMainPass(scan);
}

// Looks `name` up in the registry; keeps the cached type when the registry
// does not know the name. Returns false when the name is unknown.
bool LookUpStructType(Orv::IExecutionContext* context, const Orv::String& name,
                      SmartPointer<Orv::INCStructType>& cached) {
  Orv::ITypeRegistry* registry = context->GetTypeRegistry();
  SmartPointer<Orv::INCType> type;
  if (registry == nullptr || registry->FindType(name, type) != Orv::ORV_SUCCESS) return false;
  // The registry hands out the same type parse after parse; only another
  // one needs narrowing.
  const Orv::INCType* known = cached.get();
  if (type.get() != known) Cache(cached, Orv::DynamicPointerCast<Orv::INCStructType>(type));
  return true;
}

// Fetches what both grammars build expressions with: the factories of values,
// expressions, method calls and lvalues, and the variable scope. A factory is
// replaced only when the host hands a different one.
void FetchExpressionObjects(HostObjects& host, Orv::IExecutionContext* context) {
  host.executionContext = context;
  Cache(host.values, context->GetValueFactory());
  Cache(host.expressions, context->GetExpressionFactory());
  Cache(host.methodCalls, context->GetMethodCallFactory());
  Cache(host.lvalues, context->GetLValueFactory());
  host.scope = context->GetVariableScope();
}

bool HasExpressionFactories(const HostObjects& host) {
  return host.values && host.expressions && host.methodCalls && host.lvalues;
}

// Hands the host the message of a text the grammar refused: the scanner's
// failure when it could not go on, else the last message of the parse.
Orv::TResult ReportRefusal(ParseSession& session, std::int32_t* messageKind, Orv::String* message) {
  // Whatever the scanner read ahead of a refused text is not the next one's.
  session.scanner.Flush();
  if (session.scannerFailure) {
    WriteMessage(MessageFor(*session.scannerFailure), messageKind, message);
  } else {
    if (messageKind) *messageKind = session.state.error.kind;
    if (message) *message = session.state.error.lastMessage;
  }
  return kFailure;
}

// Reads a plain-word block directly where that is allowed, any other block
// through the grammar; 0 when the block is accepted.
int ParseLine(ParseSession& session, bool plainReadingAllowed) {
  if (plainReadingAllowed) {
    const PlainBlockReading plain = ReadPlainBlock(session);
    if (plain != PlainBlockReading::kNotPlain) return plain == PlainBlockReading::kAccepted ? 0 : 1;
  }
  return ncparse_line(session).yystatus;
}

Orv::TResult RunBlockDriver(ParseState& state, Orv::IParseContext* context, std::int32_t* messageKind,
                            Orv::String* message) {
  ScanState& scan = state.scan;
  scan.readPosition = 0;
  if (scan.currentText.size() >= kMaximumTextLength) {
    WriteMessage(kLineTooLong, messageKind, message);
    return kFailure;
  }
  Orv::IExecutionContext* executionContext = context ? context->GetExecutionContext() : nullptr;
  if (executionContext == nullptr) return kFailure;

  HostObjects& host = state.host;
  FetchExpressionObjects(host, executionContext);
  Cache(host.arrayTypes, executionContext->GetArrayTypeFactory());
  host.channel = executionContext->GetChannel();

  state.error.Reset();
  state.statement.EndBlock();
  scan.labelAllowed = true;
  context->SetSyncMode(0);

  LookUpStructType(executionContext, kFrameTypeName, host.frameType);
  if (!host.frameType) return kFailure;
  LookUpStructType(executionContext, kAxisTypeName, host.axisType);
  if (!host.axisType) return kFailure;
  if (!HasExpressionFactories(host) || !host.arrayTypes) {
    WriteMessage(kInternalError, messageKind, message);
    return kFailure;
  }

  scan.programName = false;
  ParseSession session{state, state.programScanner, context, {}};
  // The direct reading keeps to texts no pre-scan expanded.
  const int outcome = ParseLine(session, state.readPlainBlocks && state.macros.empty());
  state.arena.Clear();
  // The block's statement state is of no use to the next block; let go of
  // its host objects now rather than when the next block starts.
  state.statement.EndBlock();
  if (outcome == 0) return kSuccess;
  return ReportRefusal(session, messageKind, message);
}

Orv::TResult RunExpressionDriver(ParseState& state, Orv::IExecutionContext* context, std::int32_t* messageKind,
                                 Orv::String* message) {
  HostObjects& host = state.host;
  FetchExpressionObjects(host, context);

  ScanState& scan = state.scan;
  scan.readPosition = 0;
  state.error.Reset();

  if (!LookUpStructType(context, kFrameTypeName, host.frameType)) return kFailure;
  if (!host.frameType) {
    if (messageKind) *messageKind = 0;
    return kFailure;
  }
  SmartPointer<Orv::INCStructType> axisType;
  if (!LookUpStructType(context, kAxisTypeName, axisType) || !axisType) {
    host.frameType.reset();
    if (messageKind) *messageKind = 0;
    return kFailure;
  }
  Cache(host.axisType, std::move(axisType));
  if (!HasExpressionFactories(host)) {
    WriteMessage(kInternalError, messageKind, message);
    return kFailure;
  }

  state.expressionResult.reset();
  ParseSession session{state, state.expressionScanner, nullptr, {}};
  const int outcome = ncparse_exprInput(session).yystatus;
  state.arena.Clear();
  if (outcome == 0) return kSuccess;
  state.expressionResult.reset();
  return ReportRefusal(session, messageKind, message);
}

// A basic-result expression is handed over as it is; an AXIS-typed one as
// its name; any other structure type is refused by the type comparison.
Orv::TResult HandOverExpression(ParseState& state, Orv::IExecutionContext* context,
                                SmartPointer<Orv::INCExpression>& result) {
  SmartPointer<Orv::INCObjectExpression> produced = std::move(state.expressionResult);
  if (auto* expression = dynamic_cast<Orv::INCExpression*>(produced.get())) {
    result = expression;
    return kSuccess;
  }
  auto* structure = dynamic_cast<Orv::INCStructExpression*>(produced.get());
  if (structure == nullptr) return kSuccess;
  SmartPointer<Orv::INCType> resultType;
  if (const Orv::TResult found = structure->GetResultType(resultType); found != Orv::ORV_SUCCESS) return found;
  SmartPointer<Orv::INCType> axisType;
  Orv::ITypeRegistry* registry = context->GetTypeRegistry();
  if (registry == nullptr || registry->FindType(kAxisTypeName, axisType) != Orv::ORV_SUCCESS) return kFailure;
  if (const Orv::TResult same = resultType->CompareType(axisType.get()); same != 0) return same;
  SmartPointer<Orv::INCObjectExpression> name;
  const Orv::TResult made = state.host.expressions->CreateMemberExpression(structure, "Name", name);
  if (made != Orv::ORV_SUCCESS) return made;
  result = dynamic_cast<Orv::INCExpression*>(name.get());
  return kSuccess;
}

// Leaves the shared state ready for the next parse after an exception that
// interrupted one (the host ran out of storage, for instance), holding no
// host object of the interrupted parse.
void RecoverFromException(ParseState& state, std::int32_t* messageKind, Orv::String* message) {
  state.arena.Clear();
  state.statement.EndBlock();
  state.expressionResult.reset();
  state.scan.prescan = false;
  state.programScanner.Flush();
  state.expressionScanner.Flush();
  WriteMessage(kInternalError, messageKind, message);
}

// Runs one parse of `text` for an entry point: a text with a NUL byte is
// refused before any scanner reads it, and whatever the scanner or an
// allocation throws becomes the text's message, never an exception out of
// the plug-in.
template <class Parse>
Orv::TResult GuardedParse(ParseState& state, const Orv::String& text, std::int32_t* messageKind, Orv::String* message,
                          Parse parse) {
  try {
    if (RefusedForNul(text, messageKind, message)) return kFailure;
    return parse();
  } catch (const ScannerFailure& failure) {
    WriteMessage(MessageFor(failure.reason()), messageKind, message);
    return kFailure;
  } catch (const std::exception&) {
    RecoverFromException(state, messageKind, message);
    return kFailure;
  }
}

}  // namespace

ProgramParser::ProgramParser() {
  ParseState& state = ParseState::Global();
  state.macros.clear();
  state.expressionKinds.Clear();
  state.typeKinds.Clear();
}

ProgramParser::~ProgramParser() = default;

Orv::TResult ProgramParser::ParseBlock(const Orv::String& block, Orv::IParseContext* context, std::int32_t* messageKind,
                                       Orv::String* message) {
  ParseState& state = ParseState::Global();
  return GuardedParse(state, block, messageKind, message, [&] {
    if (state.macros.empty()) {
      // The pre-scan would copy the block as it is: the block taken is the
      // main pass's text. Of the flags the pre-scan leaves behind, the block
      // driver resets every one.
      TakeText(state.scan, block);
    } else {
      Prescan(state, state.programScanner, block);
    }
    return RunBlockDriver(state, context, messageKind, message);
  });
}

Orv::TResult ProgramParser::ParseExpression(const Orv::String& text, Orv::IExecutionContext* context,
                                            SmartPointer<Orv::INCExpression>* result, std::int32_t* messageKind,
                                            Orv::String* message) {
  if (result == nullptr) return kFailure;
  if (context == nullptr) return kFailure;
  ParseState& state = ParseState::Global();
  result->reset();
  return GuardedParse(state, text, messageKind, message, [&] {
    if (text.size() >= kMaximumTextLength) {
      WriteMessage(kLineTooLong, messageKind, message);
      return kFailure;
    }
    Prescan(state, state.expressionScanner, text);
    if (state.scan.currentText.size() >= kMaximumTextLength) {
      WriteMessage(kLineTooLong, messageKind, message);
      return kFailure;
    }
    const Orv::TResult driven = RunExpressionDriver(state, context, messageKind, message);
    if (driven != kSuccess) return driven;
    return HandOverExpression(state, context, *result);
  });
}

}  // namespace Velkor::OrvTessan
