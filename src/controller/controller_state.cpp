#include "controller/controller_state.h"

#include <iterator>

#include "controller/controller_types.h"
#include "controller/frame_access.h"
#include "plugin/results.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

// The six components of a frame, each an array of one real per axis.
void RegisterFrameType(Orv::IExecutionContext& context, Orv::IValueFactory& factory) {
  const auto arrays = context.GetArrayTypeFactory();
  const auto structures = context.GetStructTypeFactory();
  Orv::ITypeRegistry* registry = context.GetTypeRegistry();
  if (!arrays || !structures || !registry) return;

  SmartPointer<Orv::INCBasicType> real;
  factory.GetBasicType(Orv::BasicType::Real, real);
  SmartPointer<Orv::INCArrayType> component;
  const std::int32_t size = kFrameAxisCount;
  arrays->CreateArrayType(real.get(), 1, &size, false, true, component);

  const Orv::StructMemberDeclaration members[] = {{component.get(), kTranslation},     {component.get(), kRotation},
                                                  {component.get(), kScale},           {component.get(), kMirror},
                                                  {component.get(), kFineTranslation}, {component.get(), kOffsets}};
  SmartPointer<Orv::INCStructType> frameType;
  structures->CreateStructType(std::size(members), members, 0, frameType);
  if (!frameType) return;
  registry->RegisterType(kFrameTypeName, frameType.get());

  // The default frame scales every axis by 1.0; everything else is 0.
  SmartPointer<Orv::INCStruct> neutral;
  frameType->CreateValue(neutral);
  if (!neutral) return;
  FrameElements elements(&factory, FrameElements::Written::kNew);
  if (const auto scale = elements.Component(*neutral, kScale)) {
    for (std::int32_t axis = 0; axis < kFrameAxisCount; ++axis) elements.Write(*scale, axis, 1.0);
  }
  frameType->SetDefaultValue(neutral.get());
}

void RegisterAxisType(Orv::IExecutionContext& context, Orv::IValueFactory& factory) {
  const auto structures = context.GetStructTypeFactory();
  Orv::ITypeRegistry* registry = context.GetTypeRegistry();
  if (!structures || !registry) return;

  SmartPointer<Orv::INCBasicType> text;
  factory.GetBasicType(Orv::BasicType::String, text);
  const Orv::StructMemberDeclaration members[] = {{text.get(), kAxisNameMember}};
  SmartPointer<Orv::INCStructType> axisType;
  structures->CreateStructType(std::size(members), members, 0, axisType);
  if (axisType) registry->RegisterType(kAxisTypeName, axisType.get());
}

}  // namespace

ControllerState::ControllerState() = default;
ControllerState::~ControllerState() = default;

Orv::IControllerState* ControllerState::Duplicate() {
  return new ControllerState();
}

// The host's answers after the first two checks are not examined: a host that
// refuses a type leaves the channel without it, and parses report that later.
Orv::TResult ControllerState::Initialize(Orv::IChannel* channel) {
  Orv::IExecutionContext* context = channel ? channel->GetExecutionContext() : nullptr;
  if (context == nullptr) return kFailure;
  Orv::IVariableScope* scope = context->GetVariableScope();
  if (scope == nullptr) return kFailure;

  channel->SetChannelSwitchA(true);
  channel->SetChannelSwitchB(true);
  scope->SetScopeSwitchA(false);
  scope->SetScopeSwitchB(false);
  scope->SetScopeSwitchC(false);

  if (const auto factory = context->GetValueFactory()) {
    RegisterFrameType(*context, *factory);
    RegisterAxisType(*context, *factory);
  }
  return kSuccess;
}

}  // namespace Velkor::OrvTessan
