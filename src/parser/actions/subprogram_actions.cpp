// Subprogram declarations (EXTERN) and headers (PROC).
#include "parser/actions/subprogram_actions.h"

#include <string>
#include <string_view>

#include "parser/actions/action_support.h"
#include "parser/actions/declaration_actions.h"
#include "parser/actions/statement_support.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

std::int32_t PassingModeOf(const Orv::String& text) {
  if (text == kPassByValue) return Orv::ParameterMode::ByValue;
  if (text == kPassByReference) return Orv::ParameterMode::ByReference;
  return Orv::ParameterMode::Other;
}

// Records the passing mode of every parameter in the channel, where later
// calls find which of their arguments to pass as variables.
void DeclareSubprogram(ParseSession& session, std::string_view name, const Orv::ArgumentExpressionList& modes) {
  Orv::IChannel* channel = session.host().channel;
  if (channel == nullptr) return;
  const Orv::String subprogram = HostText(name);
  channel->DeclareSubprogram(subprogram);
  for (std::int32_t index = 0; index < modes.GetArgumentListSize(); ++index) {
    ExpressionRef mode;
    modes.GetListArgument(index, mode);
    Orv::String text;
    channel->AddParameterMode(subprogram,
                              TextKnownAtParseTime(mode, text) ? PassingModeOf(text) : Orv::ParameterMode::Other);
  }
}

}  // namespace

const char* NumberedSubprogramName(ParseSession& session, const AddressWord& address, const char* number) {
  if (std::string_view(address.name) != "L") return nullptr;
  return session.arena().Keep(std::string("L").append(number));
}

bool ExternDeclaration(ParseSession& session, const char* name, Orv::ArgumentExpressionList* parameterModes) {
  if (name == nullptr) return Refuse(session);
  parameterModes->RegisterMapArgument("Value", StringConstant(session, name).get());
  DeclareSubprogram(session, name, *parameterModes);
  AppendCommand(session, "EXTERN", parameterModes, 1);
  return true;
}

bool PassingModeText(ParseSession& session, Expr*& result, const char* mode) {
  result = NewExpr(session, StringConstant(session, mode), kStringType);
  return true;
}

bool ProcedureHeader(ParseSession& session, const char* name, Orv::ArgumentExpressionList* parameters) {
  if (name == nullptr) return Refuse(session);
  const SmartPointer<Orv::ArgumentExpressionList> arguments = parameters ? parameters : NewArgumentList();
  arguments->RegisterMapArgument("Value", StringConstant(session, name).get());
  AppendCommand(session, "PROC", arguments.get(), 1);
  return true;
}

// Parameters are local variables of the subprogram; their passing mode and
// array sizes matter only to the caller's EXTERN declaration.
bool ParameterDeclaration(ParseSession& session, Expr*& result, std::int32_t typeCode, const char* name,
                          std::int32_t isArray) {
  const ExpressionRef nameConstant = StringConstant(session, name);
  if (isArray) {
    session.context->DeclareArrayVariable(AsExpression(nameConstant), nullptr, kLocalScope);
  } else {
    DeclareVariableOfType(session, nameConstant, typeCode, kLocalScope);
  }
  result = NewExpr(session, nameConstant, kStringType);
  return true;
}

}  // namespace Velkor::OrvTessan
