#include "program_blocks.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "progress.h"

namespace Velkor::Tessan {
namespace {

using OrvReference::ProgramFile;

Reading ReadProgram(const ProgramFile& program, const std::string& path, BlockSink& sink) {
  Progress progress(path);
  Orv::String block;
  for (std::int32_t index = 0;; ++index) {
    const ProgramFile::Read read = program.ReadLine(index, block);
    Reading reading = Reading::kUnreadable;
    if (read == ProgramFile::Read::kEnd) return Reading::kGoOn;
    if (read == ProgramFile::Read::kLine) {
      progress.LineRead(block.size());
      reading = sink.Block(program.name(), index + 1, block);
    } else if (read == ProgramFile::Read::kTooLong) {
      reading = sink.OverLongBlock(program, index + 1);
    }
    if (reading != Reading::kGoOn) return reading;
  }
}

}  // namespace

bool OpenPrograms(Session& session, const std::vector<std::string>& operands,
                  std::vector<Orv::SmartPointer<ProgramFile>>& programs) {
  OrvReference::ProgramStore& store = session.context().channel().programs();
  for (const std::string& path : operands.empty() ? std::vector<std::string>{"-"} : operands) {
    programs.push_back(path == "-" ? store.AddStream(stdin, "<stdin>") : store.AddFile(path));
    if (!programs.back()) {
      std::fprintf(stderr, "tessan: cannot open %s: %s\n", path.c_str(), std::strerror(errno));
      return false;
    }
  }
  return true;
}

bool ReadBlocks(Session& session, const std::vector<std::string>& operands, BlockSink& sink) {
  const std::vector<std::string> paths = operands.empty() ? std::vector<std::string>{"-"} : operands;
  std::vector<Orv::SmartPointer<ProgramFile>> programs;
  if (!OpenPrograms(session, paths, programs)) return false;
  for (std::size_t index = 0; index < programs.size(); ++index) {
    Reading reading = paths.size() > 1 ? sink.BeginFile(programs[index]->name()) : Reading::kGoOn;
    if (reading == Reading::kGoOn) reading = ReadProgram(*programs[index], paths[index], sink);
    if (reading == Reading::kStop) return true;
    if (reading == Reading::kUnreadable) {
      std::fprintf(stderr, "tessan: cannot read %s\n", programs[index]->name().c_str());
      return false;
    }
  }
  return true;
}

}  // namespace Velkor::Tessan
