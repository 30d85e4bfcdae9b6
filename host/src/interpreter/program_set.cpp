#include "interpreter/program_set.h"

#include "orv/string_util.h"

namespace Velkor::OrvReference {
namespace {

std::string_view BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
}

}  // namespace

ProgramSet::ProgramSet(const ProgramStore& store, const Orv::String& key) {
  for (std::int32_t index = 0; index < store.GetProgramCount(key); ++index) {
    Orv::SmartPointer<Orv::IProgramText> text;
    store.GetProgram(key, index, text);
    programs_.push_back({Orv::DynamicPointerCast<ProgramFile>(text), {}});
  }
}

bool ProgramSet::HasHeader(const ProgramFile& file, const Orv::String& name) const {
  Orv::String line;
  if (file.ReadLine(0, line) != ProgramFile::Read::kLine) return false;
  Orv::StringUtil::StripLeadingWhitespaces(line);
  Orv::StringUtil::ToUpper(line);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
  return line == "%_N_" + name + "_SPF";
}

std::int32_t ProgramSet::FindSubprogram(const Orv::String& name) {
  const auto known = subprograms_.find(name);
  if (known != subprograms_.end()) return known->second;
  std::int32_t found = -1;
  for (std::int32_t program = 0; program < count() && found < 0; ++program) {
    if (HasHeader(file(program), name)) found = program;
  }
  const std::string lower = std::string(name.data(), name.size()) + ".spf";
  const std::string upper = std::string(name.data(), name.size()) + ".SPF";
  for (std::int32_t program = 0; program < count() && found < 0; ++program) {
    const std::string_view base = BaseName(file(program).name());
    if (base == lower || base == upper) found = program;
  }
  subprograms_.emplace(name, found);
  return found;
}

}  // namespace Velkor::OrvReference
