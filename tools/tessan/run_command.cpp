// tessan run: executes MAIN in the reference host's interpreter, with the
// subprograms the other files hold, and prints what the machine does, event
// by event. The summary, or the error that ended the run, goes to standard
// error; the picture of the path, when asked for, to its file.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "commands.h"
#include "program_blocks.h"
#include "run_report.h"

namespace Velkor::Tessan {
namespace {

// The channel indices of the geometry axes; -1 for one it lacks.
std::array<std::int32_t, 3> GeometryAxes(const OrvReference::Channel& channel) {
  const Orv::String names[3] = {channel.GetGeometryAxisName1(), channel.GetGeometryAxisName2(),
                                channel.GetGeometryAxisName3()};
  std::array<std::int32_t, 3> indices{-1, -1, -1};
  for (std::size_t k = 0; k < 3; ++k) {
    if (!names[k].empty()) channel.GetAxisIndex(names[k], indices[k]);
  }
  return indices;
}

std::unique_ptr<EventPrinter> MakePrinter(OutputFormat format, const OrvReference::Channel& channel) {
  std::vector<std::string> axes;
  for (const Orv::String& axis : channel.axes()) axes.emplace_back(axis.data(), axis.size());
  if (format == OutputFormat::kJson) return std::make_unique<JsonEvents>(std::move(axes));
  return std::make_unique<TextEvents>(std::move(axes));
}

}  // namespace

int RunRun(Session& session, const CommandLine& commandLine) {
  std::vector<Orv::SmartPointer<OrvReference::ProgramFile>> programs;
  if (!OpenPrograms(session, commandLine.operands, programs)) return kExitError;
  const OrvReference::Channel& channel = session.context().channel();
  std::unique_ptr<PathPicture> picture;
  if (!commandLine.svgPath.empty()) {
    const std::array<std::int32_t, 3> geometry = GeometryAxes(channel);
    if (geometry[0] < 0 || geometry[1] < 0) {
      std::fprintf(stderr, "tessan: --svg draws the first two geometry axes, and the channel lacks one\n");
      return kExitError;
    }
    picture = std::make_unique<PathPicture>(geometry);
    if (!picture->Open()) {
      std::fprintf(stderr, "tessan: cannot make a temporary file for the picture: %s\n", std::strerror(errno));
      return kExitError;
    }
  }

  const std::unique_ptr<EventPrinter> printer = MakePrinter(commandLine.format, channel);
  RunSummary summary(commandLine.rapidRate);
  RunReport report(*printer, summary, picture.get());
  OrvReference::RunOutcome outcome;
  {
    OrvReference::Interpreter interpreter(session.context(), session.parser(), session.commandMapper(), report);
    outcome = interpreter.Run(0, {commandLine.maxBlocks});
  }
  if (printer->outputLost()) return kExitError;
  if (outcome.succeeded) {
    std::fprintf(stderr, "%s\n", summary.Line(outcome.blocks).c_str());
  } else {
    std::fprintf(stderr, "%s:%d: error: %s\n", outcome.file.c_str(), outcome.line, outcome.message.c_str());
  }
  if (picture && !picture->Write(commandLine.svgPath)) {
    std::fprintf(stderr, "tessan: cannot write %s: %s\n", commandLine.svgPath.c_str(), std::strerror(errno));
    return kExitError;
  }
  return outcome.succeeded ? kExitSuccess : kExitFailure;
}

}  // namespace Velkor::Tessan
