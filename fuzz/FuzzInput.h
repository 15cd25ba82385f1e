// Turns the bytes a fuzzer hands over into program lines, the way a file is split on opening:
// CR LF, a lone CR and a lone LF each end a line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kwarcyt::fuzz {

inline std::vector<std::string> SplitIntoLines(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> lines;
  if (size == 0) return lines;
  std::string line;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  lines.push_back(std::move(line));
  return lines;
}

}  // namespace kwarcyt::fuzz
