#include "LabelTable.h"

namespace kwarcyt {

void LabelTable::Clear() {
  count_ = 0;
  index_.clear();
}

bool LabelTable::Add(std::string_view name, int line) {
  if (count_ >= kSlots) return false;
  names_[count_] = name;
  lines_[count_] = line;
  index_.try_emplace(names_[count_], count_);
  ++count_;
  return true;
}

int LabelTable::FindLabel(std::string_view name) const {
  const auto it = index_.find(name);
  return it == index_.end() ? -1 : lines_[it->second];
}

}  // namespace kwarcyt
