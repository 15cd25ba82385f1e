#include "internal/DataPrologue.h"

#include "internal/ImportValues.h"

namespace kwarcyt {

std::vector<std::string> DataPrologue(const std::vector<DataBytes>& data) {
  std::vector<std::string> lines;
  long hl = -2;  // the address HL holds; none yet
  for (const DataBytes& statement : data) {
    if (statement.values.empty()) continue;
    if (lines.empty())
      lines.emplace_back("/ Dane programu wpisywane do pamięci przed jego startem");
    if (statement.comment) lines.push_back('/' + *statement.comment);
    long address = statement.address;
    for (const std::string& value : statement.values) {
      if (address == hl + 1) {
        lines.emplace_back("INX H");
      } else {
        lines.push_back("LXI H," + HexLiteral(address, 4));
      }
      lines.push_back("MVI M," + value);
      hl = address++;
    }
  }
  if (!lines.empty()) lines.emplace_back("LXI H,0");
  return lines;
}

}  // namespace kwarcyt
