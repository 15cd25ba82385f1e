// A checked program: its lines as the editor held them when the run started, each taken apart
// once. The program cannot change during a run, so decoding once is indistinguishable from
// taking the line apart at every step.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "DecodedLine.h"
#include "checker/LabelTable.h"

namespace kwarcyt {

// The status bar before the first step; each step's text follows it after a space.
inline constexpr std::string_view kExecutedCaption = "Wykonano rozkaz:";

class Program {
 public:
  Program() = default;
  // Jump, call and RST targets are resolved here; later changes to labels do not matter.
  Program(std::vector<std::string> lines, const LabelTable& labels);

  int LineCount() const { return static_cast<int>(lines_.size()); }
  const std::vector<std::string>& Lines() const { return lines_; }
  const std::vector<DecodedLine>& DecodedLines() const { return decoded_; }

  // The status bar text after line i was executed: kExecutedCaption, a space and the upper-case
  // instruction (a MessageExcerpt of it), or nothing after the space for a label, comment or
  // blank line.
  std::string StatusText(int i) const;
  // The upper-case instruction of line i as the status bar shows it; empty for a label, comment
  // or blank line.
  std::string InstructionText(int i) const;
  // The first word of line i in upper case, as the message about an unknown mnemonic quotes it.
  std::string UpperMnemonic(int i) const;

 private:
  std::vector<std::string> lines_;
  std::vector<DecodedLine> decoded_;
};

}  // namespace kwarcyt
