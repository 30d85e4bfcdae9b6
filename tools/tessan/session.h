// One run of tessan: the plug-in and the reference host's channel it drives,
// set up as the command line says.
#pragma once

#include <memory>
#include <string>

#include "command_line.h"
#include "orv/plugin.h"
#include "orvref/discarding_parse_context.h"
#include "orvref/parse_context.h"
#include "plugin_loader.h"

namespace Velkor::Tessan {

class Session {
 public:
  // Loads the plug-in, hands its method mapper to the execution context,
  // sets the channel up and lets the controller state initialise it. Null
  // with a one-line reason when the command line or the plug-in fails.
  static std::unique_ptr<Session> Open(const CommandLine& commandLine, std::string& error);

  Orv::IProgramParser& parser() { return plugin_->parser(); }
  Orv::ICommandMapper& commandMapper() { return plugin_->commandMapper(); }
  OrvReference::ExecutionContext& context() { return context_; }
  OrvReference::RecordingParseContext& recorder() { return recorder_; }
  // Takes the recorder's decisions and keeps nothing: for check.
  OrvReference::DiscardingParseContext& discarder() { return discarder_; }

 private:
  explicit Session(std::unique_ptr<Plugin> plugin) : plugin_(std::move(plugin)) {}

  // Declared first: the host objects go before the plug-in that uses them.
  std::unique_ptr<Plugin> plugin_;
  OrvReference::ExecutionContext context_;
  OrvReference::RecordingParseContext recorder_{context_};
  OrvReference::DiscardingParseContext discarder_{context_};
};

}  // namespace Velkor::Tessan
