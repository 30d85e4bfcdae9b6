#include "parser_message.h"

namespace Velkor::Tessan {

std::string ParserMessage::Fields() const {
  const std::string kindField = kind == kUnwritten ? "-" : std::to_string(kind);
  return kindField + ' ' + (text.empty() ? std::string("-") : std::string(text.data(), text.size()));
}

void ParserMessage::WriteJson(JsonWriter& json) const {
  json.BeginObject().Key("kind");
  if (kind == kUnwritten) {
    json.Null();
  } else {
    json.Integer(kind);
  }
  json.Key("message");
  if (text.empty()) {
    json.Null();
  } else {
    json.String(std::string_view(text.data(), text.size()));
  }
  json.EndObject();
}

}  // namespace Velkor::Tessan
