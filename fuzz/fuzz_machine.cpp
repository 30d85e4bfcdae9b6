#include "fuzz_machine.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "orvref/live_objects.h"
#include "orvref/text_forms.h"

extern "C" Velkor::Orv::TResult CreateMachineObjects(Velkor::Orv::IProgramParser**, Velkor::Orv::ICommandMapper**,
                                                     Velkor::Orv::IMethodMapper**);
extern "C" Velkor::Orv::TResult CreateChannelObjects(Velkor::Orv::IControllerState**);

namespace Velkor::Fuzz {
namespace {

// Standard output goes to an anonymous file, so that a write by the plug-in
// shows as its size.
void WatchStandardOutput() {
  std::FILE* watched = std::tmpfile();
  if (watched == nullptr || ::dup2(::fileno(watched), STDOUT_FILENO) < 0) Fault("cannot watch standard output");
}

// The program every channel holds, for the subprogram lookups.
constexpr std::string_view kProgram = "N10 G1 X10\n  %_n_FUZZ_SPF\nPROC FUZZ(REAL A)\nM17\n%_N_OTHER_SPF\n";

bool StandardOutputWritten() {
  std::fflush(stdout);
  struct stat status {};
  return ::fstat(STDOUT_FILENO, &status) != 0 || status.st_size != 0;
}

}  // namespace

void Fault(const std::string& what) {
  std::fprintf(stderr, "fuzz fault: %s\n", what.c_str());
  std::abort();
}

FuzzMachine& FuzzMachine::Get() {
  static FuzzMachine machine;
  return machine;
}

FuzzMachine::FuzzMachine() {
  WatchStandardOutput();
  PrepareChannel();
  liveAfterSetup_ = OrvReference::LiveObjectCount();
  MakeMachineObjects();
}

FuzzMachine::~FuzzMachine() {
  DeleteMachineObjects();
}

void FuzzMachine::PrepareChannel() {
  channel_.context.channel().programs().AddText(std::string(kProgram), "fuzz_program");
  Orv::IControllerState* state = nullptr;
  if (CreateChannelObjects(&state) != Orv::ORV_SUCCESS) Fault("no controller state");
  const Orv::TResult initialized = state->Initialize(&channel_.context.channel());
  delete state;
  if (initialized != Orv::ORV_SUCCESS) Fault("the controller state did not initialise the channel");
  channel_.context.KeepAsSetup();
}

void FuzzMachine::MakeMachineObjects() {
  if (CreateMachineObjects(&parser_, &commands_, &methods_) != Orv::ORV_SUCCESS) Fault("no machine objects");
  channel_.context.SetMethodMapper(methods_);
}

void FuzzMachine::DeleteMachineObjects() {
  channel_.context.SetMethodMapper(nullptr);
  delete parser_;
  delete commands_;
  delete methods_;
  parser_ = nullptr;
  commands_ = nullptr;
  methods_ = nullptr;
}

void FuzzMachine::EndInput(std::string_view bytes) {
  channel_.recorder.BeginBlock();
  channel_.context.ResetToSetup();
  if (MayDefineMacro(bytes)) {
    DeleteMachineObjects();
    MakeMachineObjects();
  }
  const std::int64_t live = OrvReference::LiveObjectCount();
  if (live != liveAfterSetup_) {
    Fault("host objects alive after the input: " + std::to_string(live) +
          ", after setting up: " + std::to_string(liveAfterSetup_));
  }
  if (StandardOutputWritten()) Fault("the plug-in wrote to standard output");
}

Parsed FuzzMachine::ParseBlock(Channel& channel, std::string_view block, Orv::IParseContext* context) {
  channel.recorder.BeginBlock();
  Parsed parsed;
  parsed.result = parser_->ParseBlock(Orv::String(block.data(), block.size()), context ? context : &channel.recorder,
                                      &parsed.kind, &parsed.message);
  parsed.trace = channel.recorder.Trace();
  return parsed;
}

Parsed FuzzMachine::ParseExpression(Channel& channel, std::string_view text,
                                    Orv::SmartPointer<Orv::INCExpression>& result) {
  Parsed parsed;
  parsed.result = parser_->ParseExpression(Orv::String(text.data(), text.size()), &channel.context, &result,
                                           &parsed.kind, &parsed.message);
  if (parsed.result == Orv::ORV_SUCCESS && result) parsed.trace = OrvReference::ExpressionText(result.get());
  return parsed;
}

bool MayDefineMacro(std::string_view bytes) {
  constexpr std::string_view kWord = "DEFINE";
  const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  return std::search(bytes.begin(), bytes.end(), kWord.begin(), kWord.end(),
                     [&](char byte, char letter) { return upper(byte) == letter; }) != bytes.end();
}

std::vector<std::string_view> LinesOf(const std::uint8_t* data, std::size_t size, std::size_t limit) {
  std::vector<std::string_view> lines;
  std::string_view rest = TextOf(data, size);
  while (!rest.empty() && lines.size() < limit) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return lines;
}

}  // namespace Velkor::Fuzz
