// tessan expr: one expression text, printed as the expression the plug-in
// made of it.
#include "commands.h"
#include "orvref/text_forms.h"
#include "output.h"

namespace Velkor::Tessan {

int RunExpr(Session& session, const CommandLine& commandLine) {
  const std::string& text = commandLine.operands.front();
  Orv::SmartPointer<Orv::INCExpression> expression;
  ParserMessage message;
  const bool parsed = session.parser().ParseExpression(text.c_str(), &session.context(), &expression, &message.kind,
                                                       &message.text) == Orv::ORV_SUCCESS;
  const std::string expressionText = parsed ? OrvReference::ExpressionText(expression.get()) : "";
  if (commandLine.format == OutputFormat::kJson) {
    JsonWriter json;
    json.BeginObject().Key("text").String(text).Key("expression");
    if (parsed && expression) {
      json.String(expressionText);
    } else {
      json.Null();
    }
    json.Key("error");
    if (parsed) {
      json.Null();
    } else {
      message.WriteJson(json);
    }
    WriteOutput(json.EndObject().TakeLine());
  } else {
    WriteOutput(parsed ? "EXPR " + expressionText + '\n' : "ERROR " + message.Fields() + '\n');
  }
  return parsed ? kExitSuccess : kExitFailure;
}

}  // namespace Velkor::Tessan
