// Hands the scanner's tokens to the generated parser: the token code, and the
// view of the scanner's value record that the token carries. Token texts and
// address words are copied into the parse arena, so they stay valid for the
// whole parse.
#include "parser/nc_grammar.h"

using namespace Velkor::OrvTessan;

int nclex(NCSTYPE* value, ParseSession& session) {
  int token;
  try {
    token = session.scanner.NextToken();
  } catch (const ScannerFailure& failure) {
    // The driver reports the failure; the parser just stops.
    session.scannerFailure = failure.reason();
    return NCerror;
  }
  const TokenValue& record = session.scanner.Value();
  switch (record.view) {
    case TokenValue::View::kText:
      value->text = session.arena().Keep(std::string_view(record.text, record.textLength));
      break;
    case TokenValue::View::kInteger:
      value->integer = record.integer;
      break;
    case TokenValue::View::kAddress:
      value->address = session.arena().Keep(record.address);
      break;
    case TokenValue::View::kNone:
      break;
  }
  return token;
}
