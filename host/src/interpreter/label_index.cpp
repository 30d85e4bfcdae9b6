#include "interpreter/label_index.h"

namespace Velkor::OrvReference {

bool IsBlockNumber(const Orv::String& label) {
  return label.size() >= 2 && (label[0] == 'N' || label[0] == ':') &&
         label.find_first_not_of("0123456789", 1) == Orv::String::npos;
}

void LabelIndex::AddLine(const std::vector<Statement>& statements) {
  for (std::size_t item = 0; item < statements.size(); ++item) {
    const Statement& statement = statements[item];
    if (statement.kind != Statement::Kind::kLabel || IsBlockNumber(statement.text)) continue;
    positions_[statement.text].push_back({indexedLines_, static_cast<std::int32_t>(item)});
  }
  ++indexedLines_;
}

const std::vector<ProgramPosition>* LabelIndex::Positions(const Orv::String& label) const {
  const auto found = positions_.find(label);
  return found == positions_.end() ? nullptr : &found->second;
}

}  // namespace Velkor::OrvReference
