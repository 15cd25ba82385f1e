// Appends the messages about one line to the error list.
#pragma once

#include <string_view>

#include "ErrorList.h"

namespace kwarcyt {

class LineReport {
 public:
  LineReport(int index, ErrorList& errors, bool& programChecked)
      : index_(index), errors_(errors), programChecked_(programChecked) {}

  // The line index followed by the parts; any message means the program cannot run. The operand
  // is the student's own text and is quoted as a MessageExcerpt.
  void Message(std::string_view text, std::string_view operand = {}, std::string_view tail = {});
  // A help line follows its message without a line index.
  void Help(std::string_view line) { errors_.emplace_back(line); }

 private:
  int index_;
  ErrorList& errors_;
  bool& programChecked_;
};

}  // namespace kwarcyt
