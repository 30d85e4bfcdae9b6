// ParseBlock throughput on typical CAM blocks and on expression-heavy
// blocks, against the reference host. Two parse contexts: the recording one
// tessan uses (it renders every item as trace text), and one that drops the
// statements, which leaves the plug-in and the host's factories.
#include <benchmark/benchmark.h>
#include <orv/orv.h>

#include <array>
#include <string_view>

#include "orvref/execution_context.h"
#include "orvref/parse_context.h"

extern "C" Velkor::Orv::TResult CreateMachineObjects(Velkor::Orv::IProgramParser**, Velkor::Orv::ICommandMapper**,
                                                     Velkor::Orv::IMethodMapper**);
extern "C" Velkor::Orv::TResult CreateChannelObjects(Velkor::Orv::IControllerState**);

namespace {

using namespace Velkor;

constexpr std::array kCamBlocks = {
    "N1234 G1 X12.345 Y-6.789 Z0.5 F1200",
    "N1235 X13.1 Y-6.5",
    "N1236 G2 X14.0 Y-5.0 I0.5 J0.5",
    "N1237 G0 Z5.",
    "N1238 X0 Y0 M3 S8000",
    "N1239 G1 Z-1.25 F300",
    "N1240 G3 X-2.5 Y4.75 CR=3.2",
    "N1241 G1 X-2.5 Y12.125",
};

constexpr std::array kExpressionBlocks = {
    "R10=SIN(R1)*COS(R2)+SQRT(R3*R3+R4*R4)/2", "R11=(R1+R2)*(R3-R4) B_AND 255 + ROUND(R5/3)",
    "N20 X=R1+R2*2 Y=-R3/4 Z=POT(R6)-1",       "R12=ATAN2(R1,R2)+ABS(R3-R4)*TRUNC(R5)",
    "IF (R1>R2) AND NOT (R3==0) GOTOF MARKE1",
};

// Drops every statement: what is left is the plug-in and the factories.
class DiscardingParseContext final : public Orv::IParseContext {
 public:
  explicit DiscardingParseContext(Orv::IExecutionContext& context) : context_(context) {}
  Orv::IExecutionContext* GetExecutionContext() override { return &context_; }
  void SetSyncMode(std::int32_t mode) override { mode_ = mode; }
  std::int32_t GetSyncMode() const override { return mode_; }
  void SetSkipLevel(std::int32_t) override {}
  Orv::TResult AddLabel(const Orv::String&) override { return 0; }
  Orv::TResult AddCommand(const Orv::String&, Orv::ArgumentExpressionList*, std::int32_t) override { return 0; }
  Orv::TResult AddComputedCommand(Orv::INCExpression*, Orv::ArgumentExpressionList*, std::int32_t) override {
    return 0;
  }
  Orv::TResult AddInternalCommand(const Orv::String&, Orv::ArgumentExpressionList*) override { return 0; }
  Orv::TResult AddAssignment(Orv::INCLValue*, Orv::INCExpression*) override { return 0; }
  Orv::TResult AddStructAssignment(Orv::INCStructExpression*, Orv::INCStructExpression*) override { return 0; }
  Orv::TResult AddGoto(Orv::INCExpression*, std::int32_t, std::int32_t) override { return 0; }
  Orv::TResult AddConditionalGoto(Orv::INCExpression*, Orv::INCExpression*, std::int32_t) override { return 0; }
  Orv::TResult AddStructuredJump(Orv::INCExpression*, std::int32_t, const Orv::String&, const Orv::String&,
                                 std::int32_t) override {
    return 0;
  }
  Orv::TResult AddStructuredConditionalJump(Orv::INCExpression*, Orv::INCExpression*, std::int32_t, const Orv::String&,
                                            const Orv::String&) override {
    return 0;
  }
  Orv::TResult DeclareVariable(Orv::INCExpression*, std::int32_t, std::int32_t, Orv::INCExpression*) override {
    return 0;
  }
  Orv::TResult DeclareArrayVariable(Orv::INCExpression*, Orv::INCArrayType*, std::int32_t) override { return 0; }
  Orv::TResult DeclareStructVariable(Orv::INCExpression*, Orv::INCStructType*, std::int32_t) override { return 0; }
  Orv::TResult BeginSynchronizedAction(const Orv::String&, Orv::INCExpression*, std::int32_t) override { return 0; }
  Orv::TResult CancelSynchronizedAction(const Orv::String&) override { return 0; }

 private:
  Orv::IExecutionContext& context_;
  std::int32_t mode_ = 0;
};

// The plug-in's machine objects on a channel its controller state prepared.
struct Machine {
  OrvReference::ExecutionContext context;
  Orv::IProgramParser* parser = nullptr;
  Orv::ICommandMapper* commands = nullptr;
  Orv::IMethodMapper* methods = nullptr;
  Orv::IControllerState* state = nullptr;

  Machine() {
    CreateMachineObjects(&parser, &commands, &methods);
    CreateChannelObjects(&state);
    context.SetMethodMapper(methods);
    state->Initialize(&context.channel());
  }
  ~Machine() {
    context.SetMethodMapper(nullptr);
    delete state;
    delete methods;
    delete commands;
    delete parser;
  }
};

template <std::size_t N>
void ParseBlocks(benchmark::State& run, const std::array<const char*, N>& blocks, Orv::IParseContext& context,
                 Machine& machine, OrvReference::RecordingParseContext* recorder) {
  std::array<Orv::String, N> texts;
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < N; ++i) {
    texts[i] = blocks[i];
    bytes += texts[i].size();
  }
  std::int32_t kind = 0;
  Orv::String message;
  for (auto _ : run) {
    for (const Orv::String& text : texts) {
      if (recorder) recorder->BeginBlock();
      if (machine.parser->ParseBlock(text, &context, &kind, &message) != 0) {
        run.SkipWithError(("a block failed: " + std::string(message.c_str())).c_str());
        return;
      }
    }
  }
  run.SetItemsProcessed(static_cast<std::int64_t>(run.iterations() * N));
  run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations() * bytes));
  run.SetLabel("items = blocks");
}

template <const auto& Blocks>
void Recorded(benchmark::State& run) {
  Machine machine;
  OrvReference::RecordingParseContext recorder(machine.context);
  ParseBlocks(run, Blocks, recorder, machine, &recorder);
}

template <const auto& Blocks>
void Discarded(benchmark::State& run) {
  Machine machine;
  DiscardingParseContext context(machine.context);
  ParseBlocks(run, Blocks, context, machine, nullptr);
}

BENCHMARK_TEMPLATE(Discarded, kCamBlocks)->Name("ParseBlock/CamBlocks/Discarded");
BENCHMARK_TEMPLATE(Recorded, kCamBlocks)->Name("ParseBlock/CamBlocks/Recorded");
BENCHMARK_TEMPLATE(Discarded, kExpressionBlocks)->Name("ParseBlock/ExpressionBlocks/Discarded");
BENCHMARK_TEMPLATE(Recorded, kExpressionBlocks)->Name("ParseBlock/ExpressionBlocks/Recorded");

}  // namespace
