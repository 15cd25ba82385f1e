#include "Program.h"

#include <utility>

#include "Mojefunkcje.h"

namespace kwarcyt {
Program::Program(std::vector<std::string> lines, const LabelTable& labels)
    : lines_(std::move(lines)) {
  decoded_.reserve(lines_.size());
  for (const std::string& line : lines_) {
    decoded_.push_back(DecodeLine(line, labels, LineCount()));
  }
}

std::string Program::StatusText(int i) const {
  std::string text = "Wykonano rozkaz: ";
  if (i < 0 || i >= LineCount()) return text;
  const std::string upper = NormalizeLine(lines_[static_cast<std::size_t>(i)]);
  const LineParts parts = SplitLine(upper);
  text += parts.mnemonic;
  if (!parts.first.empty()) {
    text += ' ';
    text += parts.first;
    if (!parts.second.empty()) {
      text += ',';
      text += parts.second;
    }
  }
  return text;
}

std::string Program::UpperMnemonic(int i) const {
  if (i < 0 || i >= LineCount()) return {};
  const std::string upper = NormalizeLine(lines_[static_cast<std::size_t>(i)]);
  return std::string(SplitLine(upper).mnemonic);
}

}  // namespace kwarcyt
