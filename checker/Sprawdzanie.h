// Checking one line of program text, with its teaching messages.
#pragma once

#include <string_view>

#include "ErrorList.h"
#include "LabelTable.h"

namespace kwarcyt {

// Checks one line (index = its 0-based line number) and appends its messages to errors.
// Clears programChecked when it appends anything; never sets it.
void SprawdzLinie(std::string_view line, int index, const LabelTable& labels, ErrorList& errors,
                  bool& programChecked);

}  // namespace kwarcyt
