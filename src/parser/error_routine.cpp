#include "parser/error_routine.h"

#include <algorithm>
#include <cstring>

#include "parser/nc_grammar.h"
#include "parser/read_count.h"
#include "plugin/messages.h"

namespace Velkor::OrvTessan {

int ReportParseError(ParseSession& session, const char* text) {
  ScanState& scan = session.state.scan;
  if (std::strcmp(text, kSpecialError) != 0) {
    const std::string_view current(scan.currentText.data(), scan.currentText.size());
    const std::size_t consumed = scan.oneCharacterAtATime
                                     ? std::min(scan.readPosition, current.size())
                                     : session.state.readCounter.CharactersReadOneAtATime(current, scan.matchStarts);
    const Orv::String prefix = scan.currentText.substr(0, consumed);
    session.state.error.lastMessage = FormatMessage(kParseErrorAfter, prefix.c_str());
  }
  session.state.error.kind = 0;
  session.scanner.Flush();
  return 0;
}

}  // namespace Velkor::OrvTessan

void ncerror(Velkor::OrvTessan::ParseSession& session, const char* message) {
  Velkor::OrvTessan::ReportParseError(session, message);
}
