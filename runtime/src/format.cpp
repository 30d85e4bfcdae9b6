// printf-style formatting into buffers owned by the base runtime.
#include "mirel/format.h"

#include <cstdio>
#include <cstdlib>

extern "C" char* SM_vsprintf(const char* format, va_list arguments) {
  va_list measuring;
  va_copy(measuring, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, measuring);
  va_end(measuring);
  if (length < 0) return nullptr;
  auto* buffer = static_cast<char*>(std::malloc(static_cast<std::size_t>(length) + 1));
  if (buffer == nullptr) return nullptr;
  std::vsnprintf(buffer, static_cast<std::size_t>(length) + 1, format, arguments);
  return buffer;
}

extern "C" void SM_free(void* buffer) {
  std::free(buffer);
}
