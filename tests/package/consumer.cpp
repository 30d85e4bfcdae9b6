// A host built outside the project: it loads the installed plug-in with
// dlopen, prepares a channel of the reference host with it, parses one block
// and checks its trace. Exit 0 when the trace is the expected one.
#include <dlfcn.h>
#include <orv/orv.h>
#include <orv/plugin.h>

#include <cstdio>
#include <string>

#include "orvref/execution_context.h"
#include "orvref/parse_context.h"

using namespace Velkor;

int main() {
  void* library = ::dlopen(TESSAN_PLUGIN, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    std::fprintf(stderr, "consumer: %s\n", ::dlerror());
    return 1;
  }
  const auto createMachineObjects =
      reinterpret_cast<Orv::CreateMachineObjectsFunction>(::dlsym(library, Orv::kCreateMachineObjectsName));
  const auto createChannelObjects =
      reinterpret_cast<Orv::CreateChannelObjectsFunction>(::dlsym(library, Orv::kCreateChannelObjectsName));
  Orv::IProgramParser* parser = nullptr;
  Orv::ICommandMapper* commands = nullptr;
  Orv::IMethodMapper* methods = nullptr;
  Orv::IControllerState* state = nullptr;
  if (createMachineObjects == nullptr || createChannelObjects == nullptr ||
      createMachineObjects(&parser, &commands, &methods) != Orv::ORV_SUCCESS ||
      createChannelObjects(&state) != Orv::ORV_SUCCESS) {
    std::fprintf(stderr, "consumer: the plug-in did not create its objects\n");
    return 1;
  }
  std::string trace;
  {
    OrvReference::ExecutionContext context;
    context.SetMethodMapper(methods);
    state->Initialize(&context.channel());
    OrvReference::RecordingParseContext recorder(context);
    recorder.BeginBlock();
    std::int32_t kind = 0;
    Orv::String message;
    if (parser->ParseBlock("N10 G1 X=R1+2", &recorder, &kind, &message) != Orv::ORV_SUCCESS) {
      std::fprintf(stderr, "consumer: the block was refused: %s\n", message.c_str());
      return 1;
    }
    trace = recorder.Trace();
  }
  delete state;
  delete methods;
  delete commands;
  delete parser;
  ::dlclose(library);

  const std::string expected =
      "LABEL N10\n"
      "COMMAND LABEL 1 [] {Value=\"N10\"}\n"
      "COMMAND G1 1 -\n"
      "COMMAND X 1 [] {Value=(+ (elem (array $R) 1) 2), Flag=\"\"}\n";
  std::fputs(trace.c_str(), stdout);
  if (trace != expected) {
    std::fprintf(stderr, "consumer: unexpected trace\n");
    return 1;
  }
  return 0;
}
