// The lexicon, the line checker and both whole-program checks on arbitrary text.
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "checker/Mojefunkcje.h"
#include "checker/ProgramCheck.h"
#include "checker/Sprawdzanie.h"

using namespace kwarcyt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines = fuzz::SplitIntoLines(data, size);

  for (const std::string& line : lines) {
    const std::string normalized = NormalizeLine(line);
    const LineParts parts = SplitLine(normalized);
    for (const std::string_view part : {parts.mnemonic, parts.first, parts.second}) {
      IsMnemonic(part);
      FindMnemonic(part);
      IsLabelName(part);
      for (const int maximum : {0, 1, 7, 255, 65535, 0x7FFFFFFF}) ParseNumber(part, maximum);
    }
    GetMnemonic(normalized);
    GetFirstOperand(normalized);
    GetSecondOperand(normalized);
    IsLabelLine(normalized);
    IsCommentLine(normalized);
    ParseNumber(Trim(line), 65535);
    HexValue(normalized);
    BinaryValue(normalized);
  }

  LabelTable labels;
  ErrorList errors;
  bool checked = false;
  Kompiluj(lines, labels, errors, checked);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SprawdzLinie(lines[i], static_cast<int>(i), labels, errors, checked);
  }
  const int caretRow = size == 0 ? 0 : data[0] % (static_cast<int>(lines.size()) + 2) - 1;
  CheckWhileEditing(lines, caretRow, labels, errors, checked);
  return 0;
}
