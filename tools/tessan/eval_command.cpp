// tessan eval: one expression text, parsed by the plug-in and evaluated by
// the reference host as a running program would.
#include "commands.h"
#include "output.h"
#include "value_printer.h"

namespace Velkor::Tessan {
namespace {

using Orv::SmartPointer;
using Kind = OrvReference::RecordingParseContext::ItemKind;

// The FRAME variable through which a frame expression is parsed as the value
// of an assignment, since the expression entry point gives no frames.
constexpr const char* kTemporaryFrame = "TESSAN_EVAL_FRAME";

// The value's text, or the refusal: the parser's message with its kind, or
// a message of the host without one.
struct Evaluation {
  std::string value;
  bool refused = false;
  ParserMessage refusal;

  static Evaluation Refused(const std::string& message) {
    Evaluation evaluation;
    evaluation.refused = true;
    evaluation.refusal.text = message.c_str();
    return evaluation;
  }
};

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

Evaluation Evaluate(Session& session, const std::string& text) {
  SmartPointer<Orv::INCExpression> parsed;
  Evaluation evaluation;
  SmartPointer<Orv::INCObjectExpression> expression;
  if (session.parser().ParseExpression(text.c_str(), &session.context(), &parsed, &evaluation.refusal.kind,
                                       &evaluation.refusal.text) == Orv::ORV_SUCCESS) {
    if (!parsed) return Evaluation::Refused("The expression has no value.");
    expression = parsed;
  } else if (evaluation.refusal.Written()) {
    evaluation.refused = true;
    return evaluation;
  } else {
    std::string error;
    expression = ParseAsFrame(session, text, error);
    if (!expression) return Evaluation::Refused(error);
  }
  SmartPointer<Orv::INCObject> value;
  std::string error;
  if (!session.context().Evaluate(expression.get(), value, error)) return Evaluation::Refused(error);
  evaluation.value = ValueText(value.get(), session.context());
  return evaluation;
}

std::string JsonLine(const std::string& text, const Evaluation& evaluation) {
  JsonWriter json;
  json.BeginObject().Key("text").String(text).Key("value");
  if (evaluation.refused) {
    json.Null().Key("error");
    evaluation.refusal.WriteJson(json);
  } else {
    json.String(evaluation.value).Key("error").Null();
  }
  return json.EndObject().TakeLine();
}

}  // namespace

int RunEval(Session& session, const CommandLine& commandLine) {
  const std::string& text = commandLine.operands.front();
  const Evaluation evaluation = Evaluate(session, text);
  if (commandLine.format == OutputFormat::kJson) {
    WriteOutput(JsonLine(text, evaluation));
  } else {
    WriteOutput(evaluation.refused ? "ERROR " + std::string(evaluation.refusal.text.c_str()) + '\n'
                                   : evaluation.value + '\n');
  }
  return evaluation.refused ? kExitFailure : kExitSuccess;
}

}  // namespace Velkor::Tessan
