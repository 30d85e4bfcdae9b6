#include "orvref/program_store.h"

#include <unistd.h>

#include <algorithm>
#include <limits>

#include "programs/line_reader.h"
#include "programs/program_bytes.h"

namespace Velkor::OrvReference {
namespace {

constexpr Orv::TResult kRefused = 1;

ProgramFile::Read ReadOf(LineReader::Outcome outcome) {
  switch (outcome) {
    case LineReader::Outcome::kLine:
      return ProgramFile::Read::kLine;
    case LineReader::Outcome::kTooLong:
      return ProgramFile::Read::kTooLong;
    case LineReader::Outcome::kEnd:
      return ProgramFile::Read::kEnd;
    case LineReader::Outcome::kError:
      break;
  }
  return ProgramFile::Read::kError;
}

}  // namespace

ProgramFile::ProgramFile(std::string name, std::unique_ptr<ProgramBytes> bytes, const ReadLimits& limits)
    : name_(std::move(name)),
      bytes_(std::move(bytes)),
      reader_(std::make_unique<LineReader>(*bytes_, limits.bufferSize, limits.maximumLineLength)),
      linesPerCheckpoint_(std::max(limits.linesPerCheckpoint, 1)) {}

ProgramFile::~ProgramFile() = default;

ProgramFile::Read ProgramFile::MoveTo(std::int32_t index) const {
  if (index < 0 || (lineCount_ >= 0 && index >= lineCount_)) return Read::kEnd;
  if (checkpoints_.empty()) checkpoints_.push_back(reader_->FirstLine());
  // From the nearest known start at or before the line, unless the cursor
  // is nearer.
  const std::size_t checkpoint =
      std::min(static_cast<std::size_t>(index / linesPerCheckpoint_), checkpoints_.size() - 1);
  const std::int32_t checkpointLine = static_cast<std::int32_t>(checkpoint) * linesPerCheckpoint_;
  if (cursorLine_ == kNowhere || index < cursorLine_ || checkpointLine > cursorLine_) {
    reader_->Seek(checkpoints_[checkpoint]);
    cursorLine_ = checkpointLine;
  }
  while (cursorLine_ < index) {
    if (const Read skipped = Finish(cursorLine_, ReadOf(reader_->Skip())); skipped != Read::kLine) return skipped;
  }
  return Read::kLine;
}

ProgramFile::Read ProgramFile::Finish(std::int32_t index, Read read) const {
  switch (read) {
    case Read::kLine:
    case Read::kTooLong:
      ++cursorLine_;
      if (cursorLine_ % linesPerCheckpoint_ == 0 &&
          static_cast<std::size_t>(cursorLine_ / linesPerCheckpoint_) == checkpoints_.size()) {
        checkpoints_.push_back(reader_->position());
      }
      break;
    case Read::kEnd:
      lineCount_ = index;
      break;
    case Read::kError:
      cursorLine_ = kNowhere;
      break;
  }
  return read;
}

ProgramFile::Read ProgramFile::ReadLine(std::int32_t index, Orv::String& line) const {
  line.clear();
  if (const Read moved = MoveTo(index); moved != Read::kLine) return moved;
  return Finish(index, ReadOf(reader_->Next(line)));
}

ProgramFile::Read ProgramFile::WriteLine(std::int32_t index, std::FILE* out) const {
  if (const Read moved = MoveTo(index); moved != Read::kLine) return moved;
  return Finish(index, ReadOf(reader_->Copy(out)));
}

std::int32_t ProgramFile::GetLineCount() const {
  if (lineCount_ < 0 && MoveTo(std::numeric_limits<std::int32_t>::max()) == Read::kError) return -1;
  return lineCount_;
}

Orv::TResult ProgramFile::GetLine(std::int32_t index, Orv::String& line) const {
  return ReadLine(index, line) == Read::kLine ? Orv::ORV_SUCCESS : kRefused;
}

ProgramStore::ProgramStore(Orv::String key, const ReadLimits& limits) : key_(std::move(key)), limits_(limits) {}
ProgramStore::~ProgramStore() = default;

std::int32_t ProgramStore::GetProgramCount(const Orv::String& key) const {
  return key == key_ ? static_cast<std::int32_t>(programs_.size()) : 0;
}

Orv::TResult ProgramStore::GetProgram(const Orv::String& key, std::int32_t index,
                                      Orv::SmartPointer<Orv::IProgramText>& program) const {
  if (index < 0 || index >= GetProgramCount(key)) return kRefused;
  program = programs_[static_cast<std::size_t>(index)];
  return Orv::ORV_SUCCESS;
}

Orv::SmartPointer<ProgramFile> ProgramStore::AddFile(const std::string& path) {
  std::unique_ptr<ProgramBytes> bytes = ProgramBytes::OpenFile(path);
  if (!bytes) return nullptr;
  programs_.emplace_back(new ProgramFile(path, std::move(bytes), limits_));
  return programs_.back();
}

Orv::SmartPointer<ProgramFile> ProgramStore::AddStream(std::FILE* stream, const std::string& name) {
  std::unique_ptr<ProgramBytes> bytes = ProgramBytes::SpoolStream(::fileno(stream));
  if (!bytes) return nullptr;
  programs_.emplace_back(new ProgramFile(name, std::move(bytes), limits_));
  return programs_.back();
}

Orv::SmartPointer<ProgramFile> ProgramStore::AddText(std::string text, const std::string& name) {
  ReadLimits limits = limits_;
  limits.bufferSize = std::min(limits.bufferSize, std::max<std::size_t>(text.size(), 1));
  programs_.emplace_back(new ProgramFile(name, ProgramBytes::HoldText(std::move(text)), limits));
  return programs_.back();
}

void ProgramStore::KeepFirst(std::size_t count) {
  if (count < programs_.size()) programs_.resize(count);
}

bool ProgramStore::HasProgramNamed(const std::string& name) const {
  for (const auto& program : programs_) {
    if (program->name() == name) return true;
  }
  return false;
}

}  // namespace Velkor::OrvReference
