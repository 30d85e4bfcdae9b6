#include "session.h"

#include <cstdio>

#include "settings.h"

namespace Velkor::Tessan {
namespace {

using Orv::SmartPointer;

std::vector<Orv::String> HostNames(const std::vector<std::string>& names) {
  return std::vector<Orv::String>(names.begin(), names.end());
}

}  // namespace

std::unique_ptr<Session> Session::Open(const CommandLine& commandLine, std::string& error) {
  std::unique_ptr<Plugin> plugin = Plugin::Load(commandLine.pluginPath, error);
  if (!plugin) return nullptr;
  std::unique_ptr<Session> session(new Session(std::move(plugin)));
  OrvReference::ExecutionContext& context = session->context_;
  context.SetMethodMapper(&session->plugin_->methodMapper());
  OrvReference::Channel& channel = context.channel();
  if (!commandLine.axes.empty()) channel.SetAxes(HostNames(commandLine.axes));
  if (!commandLine.geometryAxes.empty()) channel.SetGeometryAxes(HostNames(commandLine.geometryAxes));
  for (const ScalarSetting& setting : commandLine.settings) {
    const SmartPointer<Orv::INCValue> value = SettingValue(*context.GetValueFactory(), setting.value);
    if (!value) {
      error = "--set " + setting.name + ": '" + setting.value + "' is no BOOL, INT, REAL or STRING value";
      return nullptr;
    }
    context.scope().DeclareScalar(setting.name.c_str(), value.get());
  }
  const Orv::TResult initialized = session->plugin_->controllerState().Initialize(&channel);
  if (initialized != Orv::ORV_SUCCESS) {
    std::fprintf(stderr, "tessan: the controller state did not initialise the channel (result %d)\n", initialized);
  }
  return session;
}

}  // namespace Velkor::Tessan
