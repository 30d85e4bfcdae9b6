#include "session.h"

#include <cstdio>

#include "orvref/text_forms.h"
#include "settings.h"

namespace Velkor::Tessan {
namespace {

using Orv::SmartPointer;

std::vector<Orv::String> HostNames(const std::vector<std::string>& names) {
  return std::vector<Orv::String>(names.begin(), names.end());
}

// Whether the plug-in reads `name`, as an expression, as the scalar variable
// of that name.
bool ReadsAsVariable(Session& session, const std::string& name) {
  SmartPointer<Orv::INCExpression> expression;
  std::int32_t kind = 0;
  Orv::String message;
  return session.parser().ParseExpression(name.c_str(), &session.context(), &expression, &kind, &message) ==
             Orv::ORV_SUCCESS &&
         OrvReference::ExpressionText(expression.get()) == "(var " + name + ")";
}

// Declares the scalar of a --set option; false with the reason when its
// value is refused, when its name would hide a variable, or when NC text
// cannot reach it (an axis or another word takes the name first).
bool DeclareSetting(Session& session, const ScalarSetting& setting, std::string& error) {
  OrvReference::ExecutionContext& context = session.context();
  const Orv::String name(setting.name.c_str());
  std::int32_t axisIndex = 0;
  std::string reason;
  if (context.channel().GetAxisIndex(name, axisIndex) == Orv::ORV_SUCCESS) {
    reason = setting.name + " is an axis of the channel";
  } else if (context.scope().Find(name) != nullptr) {
    reason = setting.name + " is declared already";
  } else if (const SmartPointer<Orv::INCValue> value =
                 SettingValue(*context.GetValueFactory(), setting.value, reason)) {
    context.scope().DeclareScalar(name, value.get());
    if (ReadsAsVariable(session, setting.name)) return true;
    reason = "NC text reads " + setting.name + " as something other than this variable";
  }
  error = "--set " + setting.name + ": " + reason;
  return false;
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
  const Orv::TResult initialized = session->plugin_->controllerState().Initialize(&channel);
  if (initialized != Orv::ORV_SUCCESS) {
    std::fprintf(stderr, "tessan: the controller state did not initialise the channel (result %d)\n", initialized);
  }
  for (const ScalarSetting& setting : commandLine.settings) {
    if (!DeclareSetting(*session, setting, error)) return nullptr;
  }
  return session;
}

}  // namespace Velkor::Tessan
