#include "session.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace Velkor::Tessan {
namespace {

using Orv::SmartPointer;

bool IsInteger(const std::string& text) {
  const std::size_t digits = (text[0] == '+' || text[0] == '-') ? 1 : 0;
  return text.size() > digits && text.find_first_not_of("0123456789", digits) == std::string::npos;
}

// The value of a --set option; null when the text is none of the forms.
SmartPointer<Orv::INCValue> SettingValue(Orv::IValueFactory& values, const std::string& text) {
  SmartPointer<Orv::INCValue> value;
  if (text == "TRUE" || text == "FALSE") {
    values.CreateBoolValue(text == "TRUE", value);
  } else if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    values.CreateStringValue(text.substr(1, text.size() - 2).c_str(), value);
  } else if (!text.empty() && IsInteger(text)) {
    errno = 0;
    const long long number = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == 0 && number >= std::numeric_limits<std::int32_t>::min() &&
        number <= std::numeric_limits<std::int32_t>::max()) {
      values.CreateIntValue(static_cast<std::int32_t>(number), value);
    }
  } else if (text.find_first_of(".eE") != std::string::npos) {
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    if (!text.empty() && *end == '\0') values.CreateRealValue(number, value);
  }
  return value;
}

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
