// The programs of the channel's program store as a run sees them: their
// lines, the index of their labels, and the subprograms they hold.
#pragma once

#include <unordered_map>
#include <vector>

#include "interpreter/label_index.h"
#include "orv/base.h"
#include "orvref/program_store.h"

namespace Velkor::OrvReference {

class ProgramSet {
 public:
  // The programs the store holds under `key`.
  ProgramSet(const ProgramStore& store, const Orv::String& key);

  std::int32_t count() const { return static_cast<std::int32_t>(programs_.size()); }
  const ProgramFile& file(std::int32_t program) const { return *programs_[static_cast<std::size_t>(program)].file; }
  LabelIndex& labels(std::int32_t program) { return programs_[static_cast<std::size_t>(program)].labels; }

  // The program of a subprogram: the one whose first block is
  // %_N_<name>_SPF, or else the file named <name>.spf or <name>.SPF; -1 when
  // there is none.
  std::int32_t FindSubprogram(const Orv::String& name);

 private:
  struct Program {
    Orv::SmartPointer<ProgramFile> file;
    LabelIndex labels;
  };

  bool HasHeader(const ProgramFile& file, const Orv::String& name) const;

  std::vector<Program> programs_;
  std::unordered_map<Orv::String, std::int32_t, TextHash> subprograms_;
};

}  // namespace Velkor::OrvReference
