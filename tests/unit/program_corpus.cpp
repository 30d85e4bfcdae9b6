#include "program_corpus.h"

#include <algorithm>
#include <fstream>

namespace Velkor::OrvTessan {
namespace {

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

std::vector<std::vector<std::string>> ProgramCorpus() {
  std::vector<std::filesystem::path> files;
  for (const char* directory : {TESSAN_SOURCE_DIR "/tests/golden", TESSAN_SOURCE_DIR "/examples"}) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(directory)) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
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
  corpus.push_back(expressions);
  return corpus;
}

}  // namespace Velkor::OrvTessan
