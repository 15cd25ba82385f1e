// The lines of the error list: messages that start with a line index, and help lines.
#pragma once

#include <string>
#include <vector>

namespace kwarcyt {

using ErrorList = std::vector<std::string>;

}  // namespace kwarcyt
