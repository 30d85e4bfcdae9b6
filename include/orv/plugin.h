// Host engine: the interfaces a controller plug-in implements, and the
// functions the host looks up in the plug-in by name.
#pragma once

#include "orv/channel.h"
#include "orv/context.h"

namespace Velkor::Orv {

// Storage of plug-in objects comes from the runtime's heap; a failed
// allocation makes the new-expression yield null instead of throwing.
#define ORV_PLUGIN_STORAGE                               \
  static void* operator new(std::size_t size) noexcept { \
    return Memory::CppMemory::allocate(size);            \
  }                                                      \
  static void operator delete(void* block) noexcept {    \
    Memory::CppMemory::free(block);                      \
  }

class ORV_API IProgramParser {
 public:
  virtual ~IProgramParser();
  virtual TResult ParseBlock(const String& block, IParseContext* context, std::int32_t* messageKind,
                             String* message) = 0;
  virtual TResult ParseExpression(const String& text, IExecutionContext* context, SmartPointer<INCExpression>* result,
                                  std::int32_t* messageKind, String* message) = 0;
  ORV_PLUGIN_STORAGE
};

class ORV_API ICommandMapper {
 public:
  virtual ~ICommandMapper();
  virtual TResult ExecuteCommand(const String& name, SmartPointer<ArgumentTable> arguments, IChannel* channel,
                                 std::uint32_t& status, String& message) = 0;
  ORV_PLUGIN_STORAGE
};

class ORV_API IMethodMapper {
 public:
  virtual ~IMethodMapper();
  virtual bool IsMethod(const String& name) = 0;
  virtual bool GetMethodReturnType(const String& name, IExecutionContext* context, SmartPointer<INCType>& type) = 0;
  virtual TResult EvaluateMethod(const String& name, SmartPointer<ArgumentTable> arguments, IExecutionContext* context,
                                 SmartPointer<INCObject>& result, std::uint32_t& status, String& message) = 0;
  ORV_PLUGIN_STORAGE
};

class ORV_API IControllerState {
 public:
  virtual ~IControllerState();
  virtual IControllerState* Duplicate() = 0;
  virtual TResult Initialize(IChannel* channel) = 0;
  ORV_PLUGIN_STORAGE
};

#undef ORV_PLUGIN_STORAGE

// The two functions the host finds in a plug-in by their plain names.
using CreateMachineObjectsFunction = TResult (*)(IProgramParser** parser, ICommandMapper** commandMapper,
                                                 IMethodMapper** methodMapper);
using CreateChannelObjectsFunction = TResult (*)(IControllerState** controllerState);
inline constexpr const char* kCreateMachineObjectsName = "CreateMachineObjects";
inline constexpr const char* kCreateChannelObjectsName = "CreateChannelObjects";

}  // namespace Velkor::Orv
