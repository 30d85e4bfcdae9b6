// The plug-in's two entry points: the machine objects (program parser and
// the two mappers) and the per-channel controller state. The host owns every
// object handed out and deletes it through its virtual destructor.
#include "controller/command_mapper.h"
#include "controller/controller_state.h"
#include "controller/method_mapper.h"
#include "parser/program_parser.h"
#include "plugin/results.h"

using namespace Velkor;
using namespace Velkor::OrvTessan;

#define TESSAN_EXPORT extern "C" __attribute__((visibility("default")))

// A failed allocation leaves its out-parameter null and makes the result 4;
// the objects that were created are delivered all the same.
TESSAN_EXPORT Orv::TResult CreateMachineObjects(Orv::IProgramParser** parser, Orv::ICommandMapper** commandMapper,
                                                Orv::IMethodMapper** methodMapper) {
  if (parser == nullptr || commandMapper == nullptr || methodMapper == nullptr) return kFailure;
  *parser = new ProgramParser();
  *commandMapper = new CommandMapper();
  *methodMapper = new MethodMapper();
  return (*parser && *commandMapper && *methodMapper) ? kSuccess : kNotCreated;
}

TESSAN_EXPORT Orv::TResult CreateChannelObjects(Orv::IControllerState** controllerState) {
  if (controllerState == nullptr) return kFailure;
  *controllerState = new ControllerState();
  return *controllerState ? kSuccess : kNotCreated;
}
