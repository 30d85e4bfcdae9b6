#include "interpreter/execution.h"

#include "orvref/execution_context.h"
#include "values/type_factories.h"

namespace Velkor::OrvReference {

using Orv::SmartPointer;

namespace {

// The structure CalculateCenterFromRadius writes its answer into.
SmartPointer<Orv::INCStructType> ArcCentreType() {
  const SmartPointer<Orv::INCType> real(new BasicType(Orv::BasicType::Real));
  const Orv::StructMemberDeclaration members[] = {{real.get(), "CenterX"}, {real.get(), "CenterY"}};
  SmartPointer<Orv::INCStructType> type;
  StructTypeFactory().CreateStructType(2, members, 0, type);
  return type;
}

// The item after the label mark a jump lands on; -1 when the block has no
// such label after `after`.
std::int32_t LandingItem(const ParsedBlock& block, const Continuation& jump, std::int32_t after) {
  const auto& statements = block.statements;
  const std::int32_t expected = jump.position.item - 1;
  auto isLanding = [&](std::int32_t item) {
    const Statement& statement = statements[static_cast<std::size_t>(item)];
    return statement.kind == Statement::Kind::kLabel && statement.text == jump.landing;
  };
  if (expected > after && expected < static_cast<std::int32_t>(statements.size()) && isLanding(expected)) {
    return expected + 1;
  }
  for (std::int32_t item = after + 1; item < static_cast<std::int32_t>(statements.size()); ++item) {
    if (isLanding(item)) return item + 1;
  }
  return -1;
}

}  // namespace

Execution::Execution(ExecutionContext& context, Orv::IProgramParser& parser, Orv::ICommandMapper& commands,
                     RunListener& listener)
    : context_(context),
      commands_(commands),
      listener_(listener),
      programs_(context.channel().programs(), Channel::kProgramKey),
      parser_(context, parser),
      labels_(programs_, parser_),
      frames_(context, commands),
      commandWords_(MakeWordTable(context.channel().axes())) {}

Execution::~Execution() = default;

bool Execution::Fail(std::string message) {
  if (error_.empty()) error_ = std::move(message);
  return false;
}

SourcePlace Execution::Place(std::int32_t line) const {
  return {programs_.file(program_).name(), line + 1};
}

Execution::CallFrame& Execution::Level() {
  for (auto frame = calls_.rbegin(); frame != calls_.rend(); ++frame) {
    if (frame->kind == CallFrame::Kind::kProgram) return *frame;
  }
  return calls_.front();
}

bool Execution::Setup(std::string& error) {
  arcCentreType_ = ArcCentreType();
  const std::size_t axisCount = context_.channel().axes().size();
  machine_.workpiece.assign(axisCount, 0.0);
  machine_.machine.assign(axisCount, 0.0);
  return frames_.Setup(error);
}

RunOutcome Execution::Run(std::int32_t program, const RunLimits& limits) {
  RunOutcome outcome;
  if (program < 0 || program >= programs_.count()) {
    outcome.message = "There is no program " + std::to_string(program) + " in the program store.";
    return outcome;
  }
  maxBlocks_ = limits.maxBlocks;
  program_ = program;
  CallFrame& main = calls_.emplace_back();
  main.program = program;
  main.lastLine = -1;
  VariableScope& scope = context_.scope();
  const std::size_t frames = scope.FrameCount();
  scope.EnterLocalFrame();

  std::string setupError;
  bool running = Setup(setupError) || Fail(setupError);
  Continuation next{program, {0, 0}, {}};
  while (running && running_) {
    running = !listener_.Cancelled() ? RunBlock(next) : Fail("The run was cancelled.");
  }

  while (scope.FrameCount() > frames) scope.LeaveLocalFrame();
  outcome.succeeded = running;
  outcome.blocks = blocks_;
  if (!running) {
    outcome.file = programs_.file(program_).name();
    outcome.line = line_ + 1;
    outcome.message = error_;
  }
  return outcome;
}

bool Execution::RunBlock(Continuation& next) {
  const std::int32_t program = next.program;
  const std::int32_t line = next.position.line;
  program_ = program;
  line_ = line;
  std::shared_ptr<const ParsedBlock> block = parser_.Cached(program, line);
  if (!block) {
    Orv::String& text = lineText_;
    switch (programs_.file(program).ReadLine(line, text)) {
      case ProgramFile::Read::kEnd:
        return ProgramEnded(next);
      case ProgramFile::Read::kError:
        return Fail("The program cannot be read.");
      case ProgramFile::Read::kTooLong:
        return Fail(kLineTooLongMessage);
      case ProgramFile::Read::kLine:
        break;
    }
    block = parser_.ParseToRun(program, line, text);
    labels_.Parsed(program, line, *block);
    for (const Orv::String& name : block->undeclaredCalls) {
      listener_.UndeclaredSubprogram(Place(line), std::string(name.data(), name.size()));
    }
    if (block->failed) return Fail(block->message);
  }
  if (++blocks_ > maxBlocks_) return Fail("The run exceeds its limit of " + std::to_string(maxBlocks_) + " blocks.");
  calls_.back().lastLine = line;

  std::int32_t item = next.position.item;
  if (!next.landing.empty()) {
    item = LandingItem(*block, next, -1);
    if (item < 0) return Fail("The label '" + std::string(next.landing.c_str()) + "' was not found.");
  }
  const auto& statements = block->statements;
  BlockWords& words = blockWords_;
  words.Clear();
  next = {program, {line + 1, 0}, {}};
  for (; item < static_cast<std::int32_t>(statements.size()); ++item) {
    const Statement& statement = statements[static_cast<std::size_t>(item)];
    if (statement.synchronized) continue;
    if (!Execute(statement, line, item, words)) return false;
    if (!words.jump) continue;
    Continuation jump = std::move(*words.jump);
    words.jump.reset();
    const std::int32_t landing =
        jump.program == program && jump.position.line == line ? LandingItem(*block, jump, item) : -1;
    if (landing < 0) {
      next = std::move(jump);
      break;
    }
    item = landing - 1;
  }
  return FinishBlock(line, words, next);
}

bool Execution::ProgramEnded(Continuation& next) {
  CallFrame& frame = calls_.back();
  if (frame.kind == CallFrame::Kind::kSection) {
    next = frame.returnTo;
    calls_.pop_back();
    return true;
  }
  if (calls_.size() == 1) {
    listener_.Ended(Place(frame.lastLine));
    running_ = false;
    return true;
  }
  return Return(frame.lastLine, nullptr, next);
}

bool Execution::FinishBlock(std::int32_t line, BlockWords& words, Continuation& next) {
  if (!ApplyFrames(words)) return false;
  ReportSettings(line, words);
  bool moved = false;
  if (!(words.frameKind ? ProgramFrame(words) : MoveAxes(line, words, moved))) return false;
  ReportStops(line, words);

  if (words.end) {
    listener_.Ended(Place(line));
    running_ = false;
    return true;
  }
  if (words.returnWord) return Return(line, words.returnWord, next);
  if (next.landing.empty() && next.program == program_ && next.position.line == line + 1) RepeatSection(line, next);
  if (words.section) {
    std::size_t sections = 0;
    for (const CallFrame& frame : calls_) sections += frame.kind == CallFrame::Kind::kSection ? 1 : 0;
    if (sections >= kMaxSections) {
      return Fail("Repeated sections are nested deeper than " + std::to_string(kMaxSections) + " levels.");
    }
    CallFrame& section = calls_.emplace_back();
    section.kind = CallFrame::Kind::kSection;
    section.program = words.section->start.program;
    section.returnTo = next;
    section.sectionStart = words.section->start;
    section.sectionEnd = words.section->endLine;
    section.repetitionsLeft = words.section->repetitions - 1;
    section.lastLine = line;
    next = words.section->start;
    return true;
  }
  if (words.call) return Call(line, *words.call, next);
  if (moved && Level().modalCall) {
    const CallFrame& level = Level();
    PendingCall call;
    return PrepareCall(*level.modalCall, level.modalArguments.get(), call) && Call(line, call, next);
  }
  return true;
}

void Execution::RepeatSection(std::int32_t line, Continuation& next) {
  while (calls_.back().kind == CallFrame::Kind::kSection && calls_.back().program == program_ &&
         calls_.back().sectionEnd == line) {
    CallFrame& section = calls_.back();
    if (section.repetitionsLeft > 0) {
      --section.repetitionsLeft;
      next = section.sectionStart;
      return;
    }
    next = section.returnTo;
    calls_.pop_back();
  }
}

}  // namespace Velkor::OrvReference
