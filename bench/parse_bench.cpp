// ParseBlock throughput on typical CAM blocks and on expression-heavy
// blocks, against the reference host. Two parse contexts: the recording one
// tessan uses (it renders every item as trace text), and the discarding one,
// which leaves the plug-in and the host's factories.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "orv/base.h"
#include "orv/plugin.h"
#include "orvref/discarding_parse_context.h"
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

// R-parameter arithmetic, IF and WHILE conditions, DEF with initialisers.
constexpr std::array kExpressionBlocks = {
    "R10=SIN(R1)*COS(R2)+SQRT(R3*R3+R4*R4)/2",
    "R11=(R1+R2)*(R3-R4) B_AND 255 + ROUND(R5/3)",
    "N20 X=R1+R2*2 Y=-R3/4 Z=POT(R6)-1",
    "R12=ATAN2(R1,R2)+ABS(R3-R4)*TRUNC(R5)",
    "IF (R1>R2) AND NOT (R3==0) GOTOF MARKE1",
    "WHILE (R1<R2+10) AND (R3<>0) OR R4>=R5*2",
    "DEF REAL RLEN=SQRT(R1*R1+R2*R2)/2, RANG=ATAN2(R2,R1)+R3*0.5",
    "DEF INT KK=R1*4+TRUNC(R2/3)",
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

template <std::size_t N, typename Context>
void ParseBlocks(benchmark::State& run, const std::array<const char*, N>& blocks, Context& context, Machine& machine) {
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
      context.BeginBlock();
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
  ParseBlocks(run, Blocks, recorder, machine);
}

template <const auto& Blocks>
void Discarded(benchmark::State& run) {
  Machine machine;
  OrvReference::DiscardingParseContext context(machine.context);
  ParseBlocks(run, Blocks, context, machine);
}

BENCHMARK_TEMPLATE(Discarded, kCamBlocks)->Name("ParseBlock/CamBlocks/Discarded");
BENCHMARK_TEMPLATE(Recorded, kCamBlocks)->Name("ParseBlock/CamBlocks/Recorded");
BENCHMARK_TEMPLATE(Discarded, kExpressionBlocks)->Name("ParseBlock/ExpressionBlocks/Discarded");
BENCHMARK_TEMPLATE(Recorded, kExpressionBlocks)->Name("ParseBlock/ExpressionBlocks/Recorded");

}  // namespace
