// tessan eval: one expression text, parsed by the plug-in and evaluated by
// the reference host as a running program would.
#include <cstdio>

#include "commands.h"
#include "value_printer.h"

namespace Velkor::Tessan {
namespace {

using Orv::SmartPointer;
using Kind = OrvReference::RecordingParseContext::ItemKind;

// The FRAME variable through which a frame expression is parsed as the value
// of an assignment, since the expression entry point gives no frames.
constexpr const char* kTemporaryFrame = "TESSAN_EVAL_FRAME";

int Refuse(const std::string& message) {
  std::printf("ERROR %s\n", message.c_str());
  return kExitFailure;
}

// Parses `<temporary>=<text>` as a block and takes the value of the
// structure assignment it records; null with the reason when that fails.
SmartPointer<Orv::INCObjectExpression> ParseAsFrame(Session& session, const std::string& text, std::string& error) {
  OrvReference::ExecutionContext& context = session.context();
  SmartPointer<Orv::INCType> frameType;
  context.types().FindType("FRAME", frameType);
  auto* frameStruct = dynamic_cast<Orv::INCStructType*>(frameType.get());
  if (frameStruct == nullptr) {
    error = "The channel has no FRAME type.";
    return nullptr;
  }
  context.scope().DeclareStruct(kTemporaryFrame, frameStruct);
  OrvReference::RecordingParseContext& recorder = session.recorder();
  recorder.BeginBlock();
  ParserMessage message;
  const std::string block = std::string(kTemporaryFrame) + '=' + text;
  if (session.parser().ParseBlock(block.c_str(), &recorder, &message.kind, &message.text) != Orv::ORV_SUCCESS) {
    error = message.text.empty() ? "The text is no expression." : message.text.c_str();
    return nullptr;
  }
  for (auto item = recorder.items().rbegin(); item != recorder.items().rend(); ++item) {
    if (item->kind == Kind::kStructAssignment) return item->value;
  }
  error = "The text is no expression.";
  return nullptr;
}

}  // namespace

int RunEval(Session& session, const std::string& text) {
  SmartPointer<Orv::INCExpression> parsed;
  ParserMessage message;
  SmartPointer<Orv::INCObjectExpression> expression;
  if (session.parser().ParseExpression(text.c_str(), &session.context(), &parsed, &message.kind, &message.text) ==
      Orv::ORV_SUCCESS) {
    if (!parsed) return Refuse("The expression has no value.");
    expression = parsed;
  } else if (message.Written()) {
    return Refuse(message.text.c_str());
  } else {
    std::string error;
    expression = ParseAsFrame(session, text, error);
    if (!expression) return Refuse(error);
  }
  SmartPointer<Orv::INCObject> value;
  std::string error;
  if (!session.context().Evaluate(expression.get(), value, error)) return Refuse(error);
  std::printf("%s\n", ValueText(value.get(), session.context()).c_str());
  return kExitSuccess;
}

}  // namespace Velkor::Tessan
