#include "Program.h"

#include <utility>

#include "checker/MessageExcerpt.h"
#include "checker/Mojefunkcje.h"

namespace kwarcyt {
Program::Program(std::vector<std::string> lines, const LabelTable& labels)
    : lines_(std::move(lines)) {
  decoded_.reserve(lines_.size());
  for (const std::string& line : lines_) {
    decoded_.push_back(DecodeLine(line, labels, LineCount()));
  }
}

std::string Program::StatusText(int i) const {
  return std::string(kExecutedCaption) + " " + InstructionText(i);
}

std::string Program::InstructionText(int i) const {
  if (i < 0 || i >= LineCount()) return {};
  // Upper-casing moves no space, comma or colon, so the line as written splits where its
  // normalised form does; only the excerpt that is shown needs upper-casing.
  const LineParts parts = SplitLine(Trim(lines_[static_cast<std::size_t>(i)]));
  std::string instruction(parts.mnemonic);
  if (!parts.first.empty()) {
    instruction.append(" ").append(parts.first);
    if (!parts.second.empty()) instruction.append(",").append(parts.second);
  }
  return UpperCase(MessageExcerpt(instruction));
}

std::string Program::UpperMnemonic(int i) const {
  if (i < 0 || i >= LineCount()) return {};
  const std::string upper = NormalizeLine(lines_[static_cast<std::size_t>(i)]);
  return std::string(SplitLine(upper).mnemonic);
}

}  // namespace kwarcyt
