// tessan expr: one expression text, printed as the expression the plug-in
// made of it. Also the message fields shared by the commands.
#include <cstdio>

#include "commands.h"
#include "orvref/text_forms.h"

namespace Velkor::Tessan {

std::string ParserMessage::Fields() const {
  const std::string kindField = kind == kUnwritten ? "-" : std::to_string(kind);
  return kindField + ' ' + (text.empty() ? std::string("-") : std::string(text.data(), text.size()));
}

int RunExpr(Session& session, const std::string& text) {
  Orv::SmartPointer<Orv::INCExpression> expression;
  ParserMessage message;
  const Orv::TResult result =
      session.parser().ParseExpression(text.c_str(), &session.context(), &expression, &message.kind, &message.text);
  if (result != Orv::ORV_SUCCESS) {
    std::printf("ERROR %s\n", message.Fields().c_str());
    return kExitFailure;
  }
  std::printf("EXPR %s\n", OrvReference::ExpressionText(expression.get()).c_str());
  return kExitSuccess;
}

}  // namespace Velkor::Tessan
