// Executing a checked program one line at a time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ErrorList.h"
#include "LabelTable.h"
#include "MachineState.h"

namespace kwarcyt {

enum class StepOutcome : std::uint8_t {
  Continued,     // the run goes on at the new PC
  Halted,        // HLT: PC stays on the HLT line
  RuntimeError,  // the messages were appended; PC stays on the failing line
  EndOfProgram,  // the program ran past its last line; PC is 0 again
};

// A checked program, each line taken apart once when the run starts. The interpreter relies on
// the checker having rejected every malformed line before a Program is built.
class Program {
 public:
  Program() = default;
  Program(std::vector<std::string> lines, const LabelTable& labels);

  int LineCount() const { return static_cast<int>(lines_.size()); }
  const std::vector<std::string>& Lines() const { return lines_; }

  // The status bar text after line i was executed: "Wykonano rozkaz: " and the upper-case
  // instruction, or "Wykonano rozkaz: " alone for a label, comment or blank line.
  std::string StatusText(int i) const;

  struct Decoded;  // the compact form of one line, private to the interpreter
  const std::vector<Decoded>& DecodedLines() const { return decoded_; }

 private:
  std::vector<std::string> lines_;
  std::vector<Decoded> decoded_;
};

// Executes line PC and completes the step (PC + 1; at the end of the program PC := 0).
// Messages of EI, DI, RIM, SIM and of run-time errors are appended to errors.
StepOutcome WykonajRozkaz(MachineState& machine, const Program& program, ErrorList& errors);

}  // namespace kwarcyt
