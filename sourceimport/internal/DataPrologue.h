// The lines that put a program's data into memory before its first instruction: Kwarcyt keeps
// no program in memory, so data placed there by ORG and DB is written by instructions instead.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kwarcyt {

// The bytes of one data statement, as Kwarcyt literals, from their first address on.
struct DataBytes {
  long address = 0;
  std::vector<std::string> values;
  std::optional<std::string> comment;  // the statement's own comment
};

// LXI H,address, then MVI M,value and INX H for each byte, a new LXI H wherever the data leaves
// a gap, and LXI H,0 at the end so that the program starts with HL zero, as without the data.
// Nothing when there is no byte to write.
std::vector<std::string> DataPrologue(const std::vector<DataBytes>& data);

}  // namespace kwarcyt
