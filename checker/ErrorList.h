// The lines of the error list: messages that start with a line index, and help lines.
#pragma once

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

namespace kwarcyt {

using ErrorList = std::vector<std::string>;

// The line index a message about a line begins with ("3: Nieznany rozkaz [START:]"); -1 for a
// message about no line.
inline int MessageLine(std::string_view message) {
  int line = -1;
  const auto [end, error] = std::from_chars(message.data(), message.data() + message.size(), line);
  if (error != std::errc{} || end == message.data() + message.size() || *end != ':') return -1;
  return line;
}

}  // namespace kwarcyt
