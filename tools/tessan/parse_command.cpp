// tessan parse: every line of every file is one block, parsed and printed as
// its trace (or its JSON object) as soon as it is read; the diagnostics go to
// standard error.
#include <cstdio>

#include "block_report.h"
#include "item_json.h"
#include "orvref/text_forms.h"
#include "output.h"
#include "program_blocks.h"

namespace Velkor::Tessan {
namespace {

using OrvReference::ProgramFile;

Reading Written(bool written) {
  return written ? Reading::kGoOn : Reading::kStop;
}

class TracePrinter final : public BlockSink {
 public:
  TracePrinter(Session& session, OutputFormat format) : session_(session), format_(format) {}

  Reading BeginFile(const std::string& name) override {
    return Written(format_ == OutputFormat::kJson || WriteOutput("@FILE " + name + '\n'));
  }

  Reading Block(const std::string& file, std::int32_t line, const Orv::String& text) override {
    session_.recorder().BeginBlock();
    const BlockOutcome outcome = ParseInto(session_, session_.recorder(), text);
    StartHeader(line);
    output_.append(text.data(), text.size());
    output_ += '\n';
    return Report({file, line, &text}, outcome);
  }

  // The text of the block is copied from the program into the trace.
  Reading OverLongBlock(const ProgramFile& program, std::int32_t line) override {
    session_.recorder().BeginBlock();
    if (format_ == OutputFormat::kText) {
      StartHeader(line);
      WriteOutput(output_);
      if (program.WriteLine(line - 1, stdout) == ProgramFile::Read::kError) return Reading::kUnreadable;
    }
    output_ = "\n";
    return Report({program.name(), line, nullptr}, OverLongOutcome());
  }

  bool allParsed() const { return allParsed_; }

 private:
  // Begins the header "@<line> " of a block in the output buffer.
  void StartHeader(std::int32_t line) {
    output_ = '@';
    OrvReference::AppendInteger(line, output_);
    output_ += ' ';
  }

  // Prints the block's trace after the header in the output buffer (or its
  // JSON object), and its diagnostics.
  Reading Report(const BlockPlace& place, const BlockOutcome& outcome) {
    allParsed_ = allParsed_ && !outcome.refused;
    if (format_ == OutputFormat::kJson) {
      output_ = JsonLine(place, outcome);
    } else {
      output_ += session_.recorder().Trace();
      if (outcome.refused) output_ += "ERROR " + outcome.message.Fields() + '\n';
    }
    const bool written = WriteOutput(output_);
    if (outcome.refused || outcome.warningCount() != 0) std::fputs(DiagnosticLines(place, outcome).c_str(), stderr);
    return Written(written);
  }

  std::string JsonLine(const BlockPlace& place, const BlockOutcome& outcome) {
    json_.BeginObject();
    WritePlaceMembers(json_, place);
    json_.Key("items").BeginArray();
    const OrvReference::RecordingParseContext& recorder = session_.recorder();
    for (const auto& item : recorder.items()) WriteItemJson(json_, item.kind, recorder.Line(item));
    json_.EndArray();
    WriteOutcomeMembers(json_, outcome);
    json_.EndObject();
    return json_.TakeLine();
  }

  Session& session_;
  const OutputFormat format_;
  JsonWriter json_;
  // The block's output, kept to reuse its memory.
  std::string output_;
  bool allParsed_ = true;
};

}  // namespace

int RunParse(Session& session, const CommandLine& commandLine) {
  TracePrinter printer(session, commandLine.format);
  if (!ReadBlocks(session, commandLine.operands, printer)) return kExitError;
  return printer.allParsed() ? kExitSuccess : kExitFailure;
}

}  // namespace Velkor::Tessan
