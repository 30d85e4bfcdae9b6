// The frame of a block: program header, language switch, skip level, block
// number, label, comment and macro definition, and the MSG statement.
#include "parser/actions/block_actions.h"

#include <string>

#include "parser/actions/action_support.h"
#include "parser/actions/statement_support.h"

namespace Velkor::OrvTessan {
namespace {

// A command whose only argument is "Value", a text.
bool TextCommand(ParseSession& session, const char* name, std::string_view text, std::int32_t flag) {
  const ExpressionRef value = StringConstant(session, text);
  if (!value) return Refuse(session);
  AppendCommand(session, name, NamedArguments({{"Value", value}}).get(), flag);
  return true;
}

// A label mark followed by the "LABEL" command that names it.
bool Label(ParseSession& session, const std::string& label) {
  session.context->AddLabel(HostText(label));
  return TextCommand(session, "LABEL", label, 1);
}

}  // namespace

// A header such as %_N_MAIN_MPF names the program and its type (_MPF).
bool ProgramHeader(ParseSession& session, const char* header) {
  const std::string name = header;
  const std::string type = "_" + name.substr(name.size() >= 3 ? name.size() - 3 : 0);
  session.context->AddCommand(HostText(type), nullptr, 1);
  session.context->AddLabel(HostText(name));
  session.context->AddLabel(HostText(type));
  return true;
}

bool ControllerLanguageSwitch(ParseSession& session) {
  session.context->AddInternalCommand("Language_AC", nullptr);
  return true;
}

void SkipLevel(ParseSession& session, std::int32_t level) {
  session.context->SetSkipLevel(level);
}

bool BlockNumber(ParseSession& session, const char* prefix, const char* digits) {
  return Label(session, std::string(prefix) + digits);
}

void EndOfLabelPosition(ParseSession& session) {
  session.state.scan.labelAllowed = false;
}

bool LabelDeclaration(ParseSession& session, const char* label) {
  EndOfLabelPosition(session);
  return Label(session, label);
}

bool Comment(ParseSession& session, const char* text) {
  return TextCommand(session, "COMMENT", text, 0);
}

// A name keeps its first definition; defining it again changes nothing.
void DefineMacro(ParseSession& session, const char* name, const char* value) {
  session.state.macros.emplace(name, value);
}

bool Message(ParseSession& session, Expr* text) {
  if (text == nullptr) return TextCommand(session, "MSG", "", 1);
  if (text->type != kStringType || !text->expression) return Refuse(session);
  AppendCommand(session, "MSG", NamedArguments({{"Value", text->expression}}).get(), 1);
  return true;
}

}  // namespace Velkor::OrvTessan
