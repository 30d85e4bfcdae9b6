#include "controller/controller_state.h"

#include "frame/results.h"

namespace Velkor::OrvTessan {

ControllerState::ControllerState() = default;
ControllerState::~ControllerState() = default;

Orv::IControllerState* ControllerState::Duplicate() { return new ControllerState(); }

Orv::TResult ControllerState::Initialize(Orv::IChannel*) { return kFailure; }

}  // namespace Velkor::OrvTessan
