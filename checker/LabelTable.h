// The labels of a program: upper-case names with the 0-based index of each label line.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kwarcyt {

class LabelTable {
 public:
  static constexpr int kMaxLabels = 1024;
  // One slot more than allowed, so that a collection can store one label too many and notice.
  static constexpr int kSlots = kMaxLabels + 1;

  void Clear();
  // Stores the name in slot LabelCount and increases the count; false when every slot is taken.
  bool Add(std::string_view name, int line);
  // The line of the label whose name equals the text exactly (case-sensitive), or -1.
  int FindLabel(std::string_view name) const;

  int LabelCount() const { return count_; }
  const std::string& LabelName(int slot) const { return names_[slot]; }
  int LabelLine(int slot) const { return lines_[slot]; }

 private:
  std::array<std::string, kSlots> names_;
  std::array<int, kSlots> lines_{};
  int count_ = 0;
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
      return std::hash<std::string_view>{}(name);
    }
  };
  // Name to slot, so that collecting thousands of labels on every keystroke stays linear.
  std::unordered_map<std::string, int, NameHash, std::equal_to<>> index_;
};

}  // namespace kwarcyt
