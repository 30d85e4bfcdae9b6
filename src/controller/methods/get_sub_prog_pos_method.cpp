// GetSubProgPos: where a subprogram starts in the channel's latest program.
// The answer goes into two members of a structure the caller passes: the
// line index in "nStartPos" with an empty "szProgPath" when the subprogram's
// start line is found, otherwise position 0 and the subprogram's name.
#include "controller/debug_checks.h"
#include "controller/methods/method_support.h"
#include "controller/methods/methods.h"
#include "orv/channel.h"
#include "orv/string_util.h"

namespace Velkor::OrvTessan {

using Orv::SmartPointer;

namespace {

// The index of the first line that starts with "%_N_<name>_SPF", ignoring
// leading blanks and the case of the line (not of the name); -1 when none does.
std::int32_t FindSubprogramStart(const Orv::IProgramText& program, const Orv::String& name) {
  const Orv::String pattern = "%_N_" + name + "_SPF";
  const std::int32_t lineCount = program.GetLineCount();
  for (std::int32_t index = 0; index < lineCount; ++index) {
    Orv::String line;
    if (program.GetLine(index, line) != Orv::ORV_SUCCESS) continue;
    Orv::StringUtil::StripLeadingWhitespaces(line);
    Orv::StringUtil::ToUpper(line);
    if (line.compare(0, pattern.size(), pattern) == 0) return index;
  }
  return -1;
}

SmartPointer<Orv::IProgramText> LatestProgram(Orv::IChannel& channel) {
  SmartPointer<Orv::IProgramText> program;
  const Orv::IProgramStore* store = channel.GetProgramStore();
  if (store == nullptr) return program;
  const Orv::String key = channel.GetProgramKey();
  store->GetProgram(key, store->GetProgramCount(key) - 1, program);
  return program;
}

}  // namespace

bool GetSubProgPosMethod::Evaluate(Orv::IExecutionContext& context, const Arguments& arguments,
                                   SmartPointer<Orv::INCObject>&, Report& report) {
  Orv::String name;
  if (!FetchString(arguments, 0, name, report)) return false;
  const auto answer = FetchStructArgument(arguments, 1, report);
  if (!answer) return false;
  Orv::IChannel* channel = context.GetChannel();
  if (channel == nullptr) return report.FailQuietly();

  Orv::String path = name;
  std::int32_t position = 0;
  if (const auto program = LatestProgram(*channel)) {
    const std::int32_t start = FindSubprogramStart(*program, name);
    if (start >= 0) {
      position = start;
      path.clear();
    }
  }

  const auto pathValue = MakeStringValue(context, path);
  CheckCreated(bool(pathValue), __LINE__);
  CheckSucceeded(answer->SetMember("szProgPath", pathValue.get()), __LINE__);
  const auto positionValue = MakeIntValue(context, position);
  CheckCreated(bool(positionValue), __LINE__);
  CheckSucceeded(answer->SetMember("nStartPos", positionValue.get()), __LINE__);
  return true;
}

}  // namespace Velkor::OrvTessan
