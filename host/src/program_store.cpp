#include "orvref/program_store.h"

namespace Velkor::OrvReference {
namespace {

constexpr Orv::TResult kRefused = 1;

// Reads one line without its line ending; false at the end of the file.
bool ReadRawLine(std::FILE* file, Orv::String& line) {
  line.clear();
  int c = std::fgetc(file);
  if (c == EOF) return false;
  while (c != EOF && c != '\n') {
    line += static_cast<char>(c);
    c = std::fgetc(file);
  }
  if (c == '\n' && !line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace

ProgramFile::ProgramFile(std::string name, std::FILE* file, std::FILE* stream)
    : name_(std::move(name)), file_(file), stream_(stream) {}

ProgramFile::~ProgramFile() {
  std::fclose(file_);
}

ProgramFile::Read ProgramFile::SpoolNext(Orv::String& line) const {
  if (streamEnded_) return Read::kEnd;
  if (!ReadRawLine(stream_, line)) {
    streamEnded_ = true;
    return std::ferror(stream_) ? Read::kError : Read::kEnd;
  }
  if (!atEnd_ && std::fseek(file_, 0, SEEK_END) != 0) return Read::kError;
  atEnd_ = true;
  if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() || std::fputc('\n', file_) == EOF) {
    return Read::kError;
  }
  ++spooledLines_;
  return Read::kLine;
}

ProgramFile::Read ProgramFile::ReadFromFile(std::int32_t index, Orv::String& line) const {
  if (index < cursorLine_) {
    cursorLine_ = 0;
    cursorOffset_ = 0;
  }
  atEnd_ = false;
  if (std::fseek(file_, cursorOffset_, SEEK_SET) != 0) return Read::kError;
  while (cursorLine_ <= index) {
    if (!ReadRawLine(file_, line)) return std::ferror(file_) ? Read::kError : Read::kEnd;
    ++cursorLine_;
    cursorOffset_ = std::ftell(file_);
  }
  return Read::kLine;
}

// A line of the stream not read yet is handed out as it is spooled, so that
// reading a stream in order reads each line once.
ProgramFile::Read ProgramFile::ReadLine(std::int32_t index, Orv::String& line) const {
  if (index < 0) return Read::kEnd;
  while (stream_ && spooledLines_ <= index) {
    const Read read = SpoolNext(line);
    if (read != Read::kLine || spooledLines_ > index) return read;
  }
  return ReadFromFile(index, line);
}

std::int32_t ProgramFile::GetLineCount() const {
  Orv::String line;
  std::int32_t count = 0;
  for (Read read; (read = ReadLine(count, line)) != Read::kEnd; ++count) {
    if (read == Read::kError) return -1;
  }
  return count;
}

Orv::TResult ProgramFile::GetLine(std::int32_t index, Orv::String& line) const {
  return ReadLine(index, line) == Read::kLine ? Orv::ORV_SUCCESS : kRefused;
}

ProgramStore::ProgramStore(Orv::String key) : key_(std::move(key)) {}
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
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return nullptr;
  programs_.emplace_back(new ProgramFile(path, file, nullptr));
  return programs_.back();
}

Orv::SmartPointer<ProgramFile> ProgramStore::AddStream(std::FILE* stream, const std::string& name) {
  std::FILE* spool = std::tmpfile();
  if (spool == nullptr) return nullptr;
  programs_.emplace_back(new ProgramFile(name, spool, stream));
  return programs_.back();
}

bool ProgramStore::HasProgramNamed(const std::string& name) const {
  for (const auto& program : programs_) {
    if (program->name() == name) return true;
  }
  return false;
}

}  // namespace Velkor::OrvReference
