// Base runtime: printf-style formatting into runtime-owned buffers.
#pragma once

#include <cstdarg>

#include "mirel/memory.h"

extern "C" {
// Formats the arguments into a new zero-terminated buffer (null when no
// storage is available); release it with SM_free.
MIREL_API char* SM_vsprintf(const char* format, va_list arguments);
MIREL_API void SM_free(void* buffer);
}
