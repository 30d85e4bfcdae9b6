#include "plugin_loader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

namespace Velkor::Tessan {
namespace {

constexpr const char* kPluginFile = "libtessan.so";

// The plug-in next to the executable (in the build tree), else where it is
// installed relative to the executable's folder.
std::string DefaultPath() {
  char executable[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", executable, sizeof executable - 1);
  if (length <= 0) return kPluginFile;
  const std::string path(executable, static_cast<std::size_t>(length));
  const std::string folder = path.substr(0, path.rfind('/') + 1);
  const std::string besideIt = folder + kPluginFile;
  if (::access(besideIt.c_str(), F_OK) == 0) return besideIt;
  return folder + TESSAN_PLUGIN_FROM_BINDIR + '/' + kPluginFile;
}

std::string LastError() {
  const char* reason = ::dlerror();
  return reason ? reason : "unknown reason";
}

}  // namespace

std::unique_ptr<Plugin> Plugin::Load(const std::string& path, std::string& error) {
  const std::string file = path.empty() ? DefaultPath() : path;
  void* library = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    error = "cannot load the plug-in: " + LastError();
    return nullptr;
  }
  std::unique_ptr<Plugin> plugin(new Plugin(library));
  const auto createMachineObjects =
      reinterpret_cast<Orv::CreateMachineObjectsFunction>(::dlsym(library, Orv::kCreateMachineObjectsName));
  const auto createChannelObjects =
      reinterpret_cast<Orv::CreateChannelObjectsFunction>(::dlsym(library, Orv::kCreateChannelObjectsName));
  if (createMachineObjects == nullptr || createChannelObjects == nullptr) {
    error = file + " lacks the entry points of a controller plug-in";
    return nullptr;
  }
  const Orv::TResult machine = createMachineObjects(&plugin->parser_, &plugin->commandMapper_, &plugin->methodMapper_);
  const Orv::TResult channel = createChannelObjects(&plugin->controllerState_);
  if (machine != Orv::ORV_SUCCESS || channel != Orv::ORV_SUCCESS) {
    error = "the plug-in did not create its objects (results " + std::to_string(machine) + " and " +
            std::to_string(channel) + ")";
    return nullptr;
  }
  return plugin;
}

Plugin::~Plugin() {
  delete controllerState_;
  delete methodMapper_;
  delete commandMapper_;
  delete parser_;
  ::dlclose(library_);
}

}  // namespace Velkor::Tessan
