// tessan check: parses like parse but keeps nothing and prints nothing but
// the diagnostics of the blocks and a closing summary.
#include <cstdio>

#include "block_report.h"
#include "check_counts.h"
#include "output.h"
#include "parallel_check.h"
#include "program_blocks.h"

namespace Velkor::Tessan {
namespace {

std::string Counted(std::uint64_t count, const char* noun) {
  return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

class Checker final : public BlockSink {
 public:
  Checker(Session& session, OutputFormat format, CheckCounts& counts)
      : session_(session), format_(format), counts_(counts) {}

  Reading BeginFile(const std::string&) override { return Reading::kGoOn; }

  Reading Block(const std::string& file, std::int32_t line, const Orv::String& text) override {
    OrvReference::DiscardingParseContext& discarder = session_.discarder();
    discarder.BeginBlock();
    return Report({file, line, &text}, ParseInto(session_, discarder, text));
  }

  Reading OverLongBlock(const OrvReference::ProgramFile& program, std::int32_t line) override {
    return Report({program.name(), line, nullptr}, OverLongOutcome());
  }

 private:
  Reading Report(const BlockPlace& place, const BlockOutcome& outcome) {
    ++counts_.blocks;
    counts_.errors += outcome.refused ? 1 : 0;
    counts_.warnings += outcome.warningCount();
    if (!outcome.refused && outcome.warningCount() == 0) return Reading::kGoOn;
    if (format_ == OutputFormat::kText) {
      std::fputs(DiagnosticLines(place, outcome).c_str(), stderr);
      return Reading::kGoOn;
    }
    json_.BeginObject();
    WritePlaceMembers(json_, place);
    WriteOutcomeMembers(json_, outcome);
    return WriteOutput(json_.EndObject().TakeLine()) ? Reading::kGoOn : Reading::kStop;
  }

  Session& session_;
  const OutputFormat format_;
  CheckCounts& counts_;
  JsonWriter json_;
};

int CheckFiles(Session& session, const std::vector<std::string>& files, OutputFormat format, CheckCounts& counts) {
  Checker checker(session, format, counts);
  return ReadBlocks(session, files, checker) ? kExitSuccess : kExitError;
}

bool WriteSummary(const CheckCounts& counts, OutputFormat format) {
  if (format == OutputFormat::kText) {
    std::fprintf(stderr, "%s\n", counts.Summary().c_str());
    return true;
  }
  JsonWriter json;
  json.BeginObject().Key("blocks").Integer(static_cast<std::int64_t>(counts.blocks));
  json.Key("errors").Integer(static_cast<std::int64_t>(counts.errors));
  json.Key("warnings").Integer(static_cast<std::int64_t>(counts.warnings)).EndObject();
  return WriteOutput(json.TakeLine());
}

}  // namespace

std::string CheckCounts::Summary() const {
  return Counted(blocks, "block") + ", " + Counted(errors, "error") + ", " + Counted(warnings, "warning");
}

int RunCheck(Session& session, const CommandLine& commandLine) {
  CheckCounts counts;
  int status = kExitSuccess;
  if (commandLine.jobs == 0) {
    status = CheckFiles(session, commandLine.operands, commandLine.format, counts);
  } else {
    const std::vector<std::string> files =
        commandLine.operands.empty() ? std::vector<std::string>{"-"} : commandLine.operands;
    const auto checkOne = [&session, &commandLine](const std::string& file, CheckCounts& fileCounts) {
      return CheckFiles(session, {file}, commandLine.format, fileCounts);
    };
    status = CheckInProcesses(files, commandLine.jobs, checkOne, counts);
  }
  if (status == kExitError) return status;
  if (!commandLine.quiet && !WriteSummary(counts, commandLine.format)) return kExitError;
  return counts.errors == 0 ? kExitSuccess : kExitFailure;
}

}  // namespace Velkor::Tessan
