#include "program_corpus.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace Velkor::OrvTessan {
namespace {

std::vector<std::filesystem::path> FilesUnder(const std::filesystem::path& directory) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(directory)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

std::string ContentOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> LinesOf(const std::filesystem::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

std::vector<std::vector<std::string>> ProgramCorpus(bool withFuzzCorpus) {
  std::vector<std::filesystem::path> files = FilesUnder(TESSAN_SOURCE_DIR "/tests/golden");
  for (const auto& example : FilesUnder(TESSAN_SOURCE_DIR "/examples")) files.push_back(example);
  std::vector<std::vector<std::string>> corpus;
  std::vector<std::string> expressions;
  for (const auto& file : files) {
    const std::string extension = file.extension().string();
    if (extension == ".nc" || extension == ".mpf" || extension == ".spf") corpus.push_back(LinesOf(file));
    if (extension != ".exprs") continue;
    // "expr TEXT" or "eval TEXT"; comment lines start with #.
    for (const std::string& line : LinesOf(file)) {
      const std::size_t blank = line.find(' ');
      if (!line.starts_with('#') && blank != std::string::npos) expressions.push_back(line.substr(blank + 1));
    }
  }
  if (withFuzzCorpus) {
    for (const auto& program : FilesUnder(TESSAN_SOURCE_DIR "/fuzz/corpus/block")) corpus.push_back(LinesOf(program));
    for (const auto& text : FilesUnder(TESSAN_SOURCE_DIR "/fuzz/corpus/expr")) expressions.push_back(ContentOf(text));
  }
  corpus.push_back(expressions);
  return corpus;
}

}  // namespace Velkor::OrvTessan
