#include "controller/method_mapper.h"

#include <cctype>

#include "controller/methods/methods.h"
#include "plugin/messages.h"
#include "plugin/results.h"

namespace Velkor::OrvTessan {

namespace {

std::size_t InitialOf(const Orv::String& name) {
  return static_cast<unsigned char>(name.front());
}

}  // namespace

template <class Method>
void MethodMapper::Register(const Orv::String& name) {
  methods_.emplace(name, std::make_unique<Method>());
  initials_.set(InitialOf(name));
}

// First under the name with a lower-case initial, then as given; each name
// has its own object.
template <class Method>
void MethodMapper::RegisterWithBothInitials(const char* name) {
  Orv::String lowerInitial = name;
  lowerInitial[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(lowerInitial[0])));
  Register<Method>(lowerInitial);
  Register<Method>(name);
}

MethodMapper::MethodMapper() {
  RegisterWithBothInitials<ResetControllerStateMethod>("ResetControllerState");
  RegisterWithBothInitials<GetSubProgPosMethod>("GetSubProgPos");
  RegisterWithBothInitials<GetJointNumberMethod>("GetJointNumber");
  RegisterWithBothInitials<CreateAxisMethod>("CreateAxis");
  RegisterWithBothInitials<CreateFrameMethod>("CreateFrame");
  RegisterWithBothInitials<GetFrameElementMethod>("GetFrameElement");
  RegisterWithBothInitials<GetFrameFromMatrixMethod>("GetFrameFromMatrix");
  RegisterWithBothInitials<GetMatrixFromFrameMethod>("GetMatrixFromFrame");
  RegisterWithBothInitials<InvertFrameMethod>("InvertFrame");
  RegisterWithBothInitials<MultiplyFramesMethod>("MultiplyFrames");
  Register<NumberMethod>("NUMBER");
  Register<IsNumberMethod>("ISNUMBER");
  Register<IsVarMethod>("ISVAR");
  Register<TruncMethod>("TRUNC");
  RegisterWithBothInitials<CalculateCenterFromRadiusMethod>("CalculateCenterFromRadius");
  RegisterWithBothInitials<FormatStringMethod>("FormatString");
}

MethodMapper::~MethodMapper() = default;

bool MethodMapper::IsMethod(const Orv::String& name) {
  return !name.empty() && initials_.test(InitialOf(name)) && methods_.count(name) != 0;
}

bool MethodMapper::GetMethodReturnType(const Orv::String& name, Orv::IExecutionContext* context,
                                       Orv::SmartPointer<Orv::INCType>& type) {
  const auto found = methods_.find(name);
  return found != methods_.end() && found->second->GetReturnType(context, type);
}

// A method that fails without saying why is reported as an internal error; a
// message it wrote itself is kept.
Orv::TResult MethodMapper::EvaluateMethod(const Orv::String& name, Orv::SmartPointer<Orv::ArgumentTable> arguments,
                                          Orv::IExecutionContext* context, Orv::SmartPointer<Orv::INCObject>& result,
                                          std::uint32_t& status, Orv::String& message) {
  const auto found = methods_.find(name);
  if (found == methods_.end()) {
    status = 0;
    message = FormatMessage(kUnknownMethod, name.c_str());
    return kFailure;
  }
  message.clear();
  Report report(status, message);
  if (context != nullptr && found->second->Evaluate(*context, arguments, result, report)) return kSuccess;
  status = 0;
  if (message.empty()) message = FormatMessage(kInternalError);
  return kFailure;
}

}  // namespace Velkor::OrvTessan
