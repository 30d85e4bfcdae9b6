// ISVAR: whether a name denotes a variable of the channel. A name with an
// index part ("R[3]") is tested by the part before the bracket, and only as
// an array or structure variable.
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

using VariableCheck = Orv::TResult (Orv::IVariableScope::*)(const Orv::String&);

bool IsDeclared(Orv::IVariableScope& scope, const Orv::String& name, std::initializer_list<VariableCheck> checks) {
  for (const VariableCheck check : checks) {
    if ((scope.*check)(name) == Orv::ORV_SUCCESS) return true;
  }
  return false;
}

}  // namespace

bool IsVarMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                           SmartPointer<Orv::INCObject>& result, Report& report) {
  Orv::String name;
  if (!FetchString(arguments, 0, name, report)) return false;
  Orv::IVariableScope* scope = context.GetVariableScope();
  if (scope == nullptr) return report.FailQuietly();

  using Scope = Orv::IVariableScope;
  const auto bracket = name.find('[');
  const bool declared =
      bracket == Orv::String::npos
          ? IsDeclared(*scope, name,
                       {&Scope::CheckScalarVariable, &Scope::CheckArrayVariable, &Scope::CheckStructVariable,
                        &Scope::CheckOtherVariable})
          : IsDeclared(*scope, name.substr(0, bracket), {&Scope::CheckArrayVariable, &Scope::CheckStructVariable});
  return SetMethodResult(MakeBoolValue(context, declared), result, report);
}

}  // namespace Velkor::OrvTessan
