// The controller plug-in, loaded the way a host loads it: with dlopen, its
// two entry points found by their names.
#pragma once

#include <memory>
#include <string>

#include "orv/plugin.h"

namespace Velkor::Tessan {

class Plugin {
 public:
  // Loads the plug-in at `path` (empty: libtessan.so next to the executable,
  // or where it is installed) and creates the machine objects and one
  // channel's controller state. Null with a one-line reason when that fails.
  static std::unique_ptr<Plugin> Load(const std::string& path, std::string& error);
  ~Plugin();
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  Orv::IProgramParser& parser() { return *parser_; }
  Orv::ICommandMapper& commandMapper() { return *commandMapper_; }
  Orv::IMethodMapper& methodMapper() { return *methodMapper_; }
  Orv::IControllerState& controllerState() { return *controllerState_; }

 private:
  explicit Plugin(void* library) : library_(library) {}

  void* library_;
  Orv::IProgramParser* parser_ = nullptr;
  Orv::ICommandMapper* commandMapper_ = nullptr;
  Orv::IMethodMapper* methodMapper_ = nullptr;
  Orv::IControllerState* controllerState_ = nullptr;
};

}  // namespace Velkor::Tessan
