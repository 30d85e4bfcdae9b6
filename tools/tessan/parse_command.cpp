// tessan parse: every line of every file is one block, parsed and printed as
// its trace as soon as it is read.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "commands.h"
#include "orvref/text_forms.h"

namespace Velkor::Tessan {
namespace {

using OrvReference::ProgramFile;

// The host's own copy of the notice for a call that passes arguments to a
// subprogram without EXTERN.
constexpr const char* kNoExternNotice =
    "There was no EXTERN declaration for the subprogram '%s'. All parameters are passed by reference.";

void Write(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void WarnOfUndeclaredSubprograms(const std::vector<Orv::String>& names, const std::string& file, std::int32_t line) {
  std::vector<Orv::String> warned;
  for (const Orv::String& name : names) {
    if (std::find(warned.begin(), warned.end(), name) != warned.end()) continue;
    warned.push_back(name);
    std::fprintf(stderr, "%s:%d: warning: ", file.c_str(), line);
    std::fprintf(stderr, kNoExternNotice, name.c_str());
    std::fputc('\n', stderr);
  }
}

// Parses one block and prints its trace, built in `output`; false when it
// failed.
bool ParseBlock(Session& session, const Orv::String& block, std::int32_t lineNumber, const std::string& file,
                std::string& output) {
  OrvReference::RecordingParseContext& recorder = session.recorder();
  recorder.BeginBlock();
  ParserMessage message;
  const Orv::TResult result = session.parser().ParseBlock(block, &recorder, &message.kind, &message.text);
  output = '@';
  OrvReference::AppendInteger(lineNumber, output);
  output += ' ';
  output.append(block.data(), block.size());
  output += '\n';
  output += recorder.Trace();
  if (result != Orv::ORV_SUCCESS) output += "ERROR " + message.Fields() + '\n';
  Write(output);
  WarnOfUndeclaredSubprograms(session.context().channel().undeclaredSubprogramQueries(), file, lineNumber);
  return result == Orv::ORV_SUCCESS;
}

// Prints the trace of a block too long for the program store to hand out:
// its whole text and the refusal the plug-in gives every over-long block.
ProgramFile::Read RefuseOverLongBlock(const ProgramFile& program, std::int32_t index) {
  std::printf("@%d ", index + 1);
  const ProgramFile::Read read = program.WriteLine(index, stdout);
  std::printf("\nERROR 0 %s\n", kLineTooLongMessage);
  return read;
}

}  // namespace

int RunParse(Session& session, const std::vector<std::string>& files) {
  const std::vector<std::string> operands = files.empty() ? std::vector<std::string>{"-"} : files;
  OrvReference::ProgramStore& store = session.context().channel().programs();
  std::vector<Orv::SmartPointer<ProgramFile>> programs;
  for (const std::string& operand : operands) {
    programs.push_back(operand == "-" ? store.AddStream(stdin, "<stdin>") : store.AddFile(operand));
    if (!programs.back()) {
      std::fprintf(stderr, "tessan: cannot open %s: %s\n", operand.c_str(), std::strerror(errno));
      return kExitUsage;
    }
  }
  bool allParsed = true;
  std::string output;
  for (const auto& program : programs) {
    Orv::String block;
    for (std::int32_t index = 0;; ++index) {
      ProgramFile::Read read = program->ReadLine(index, block);
      if (read == ProgramFile::Read::kEnd) break;
      if (read == ProgramFile::Read::kLine) {
        allParsed = ParseBlock(session, block, index + 1, program->name(), output) && allParsed;
      } else if (read == ProgramFile::Read::kTooLong) {
        read = RefuseOverLongBlock(*program, index);
        allParsed = false;
      }
      if (read == ProgramFile::Read::kError) {
        std::fprintf(stderr, "tessan: cannot read %s\n", program->name().c_str());
        return kExitUsage;
      }
    }
  }
  std::fflush(stdout);
  return allParsed ? kExitSuccess : kExitFailure;
}

}  // namespace Velkor::Tessan
