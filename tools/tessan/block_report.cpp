#include "block_report.h"

#include <algorithm>

namespace Velkor::Tessan {
namespace {

std::string ErrorText(const ParserMessage& message) {
  return message.text.empty() ? std::string("the block was refused without a message")
                              : std::string(message.text.data(), message.text.size());
}

}  // namespace

std::string NoExternNotice(std::string_view subprogram) {
  // The host's own copy of the notice; %s is the subprogram.
  std::string notice =
      "There was no EXTERN declaration for the subprogram '%s'. All parameters are passed by reference.";
  notice.replace(notice.find("%s"), 2, subprogram);
  return notice;
}

BlockOutcome ParseInto(Session& session, Orv::IParseContext& context, const Orv::String& block) {
  const OrvReference::Channel& channel = session.context().channel();
  BlockOutcome outcome;
  outcome.refused =
      session.parser().ParseBlock(block, &context, &outcome.message.kind, &outcome.message.text) != Orv::ORV_SUCCESS;
  for (const Orv::String& name : channel.undeclaredSubprogramQueries()) {
    std::vector<Orv::String>& names = outcome.undeclaredSubprograms;
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  return outcome;
}

BlockOutcome OverLongOutcome() {
  BlockOutcome outcome;
  outcome.refused = true;
  outcome.message.kind = 0;
  outcome.message.text = kLineTooLongMessage;
  return outcome;
}

std::string DiagnosticLines(const BlockPlace& place, const BlockOutcome& outcome) {
  const std::string prefix = place.file + ':' + std::to_string(place.line) + ": ";
  std::string lines;
  for (const Orv::String& subprogram : outcome.undeclaredSubprograms) {
    lines += prefix + "warning: " + NoExternNotice(std::string_view(subprogram.data(), subprogram.size())) + '\n';
  }
  if (outcome.refused) lines += prefix + "error: " + ErrorText(outcome.message) + '\n';
  return lines;
}

void WritePlaceMembers(JsonWriter& json, const BlockPlace& place) {
  json.Key("file").String(place.file).Key("line").Integer(place.line);
  json.Key("text");
  if (place.text == nullptr) {
    json.Null();
  } else {
    json.String(std::string_view(place.text->data(), place.text->size()));
  }
}

void WriteOutcomeMembers(JsonWriter& json, const BlockOutcome& outcome) {
  json.Key("error");
  if (outcome.refused) {
    outcome.message.WriteJson(json);
  } else {
    json.Null();
  }
  json.Key("warnings").BeginArray();
  for (const Orv::String& subprogram : outcome.undeclaredSubprograms)
    json.String(NoExternNotice(std::string_view(subprogram.data(), subprogram.size())));
  json.EndArray();
}

}  // namespace Velkor::Tessan
