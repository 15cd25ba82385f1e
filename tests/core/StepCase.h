// One step of the interpreter from a given machine to an expected one, compared whole: every
// register and flag, all of memory and both port arrays, PC, the outcome and the messages.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "core/Interpreter.h"

namespace kwarcyt {
void PrintTo(RunEnd outcome, std::ostream* os);
}  // namespace kwarcyt

namespace kwarcyt::testing {

struct Registers {
  int A = 0, B = 0, C = 0, D = 0, E = 0, H = 0, L = 0, SP = 0;
  int S = 0, Z = 0, AC = 0, P = 0, CY = 0;
  bool operator==(const Registers&) const = default;
  friend void PrintTo(const Registers& r, std::ostream* os);
};

// A memory cell or port and its value.
struct Cell {
  int address;
  int value;
};

struct StepCase {
  std::string name{};  // the test's name: letters, digits and "_"
  std::vector<std::string> lines{};
  int pc = 0;
  Registers before{};
  std::vector<Cell> memory{};  // set before the step
  std::vector<Cell> inputs{};
  Registers after{};
  std::vector<Cell> memoryAfter{};  // cells the step must change; all others must keep their value
  std::vector<Cell> outputsAfter{};
  int pcAfter = 1;
  RunEnd outcome = RunEnd::None;
  ErrorList messages{};
  FlagRules rules = FlagRules::Kwarcyt;
  friend void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }
};

// A data, arithmetic or logic instruction: its line runs as line 0, followed by HLT.
struct DataCase {
  std::string name{};
  std::string line{};
  Registers before{};
  std::vector<Cell> memory{};
  Registers after{};
  std::vector<Cell> memoryAfter{};
  friend void PrintTo(const DataCase& c, std::ostream* os) {
    *os << c.name << " [" << c.line << "]";
  }
};
StepCase AsStep(const DataCase& c);

// The label table the program check would build: each label line maps its name to its index.
LabelTable LabelsOf(const std::vector<std::string>& lines);
Registers RegistersOf(const MachineState& machine);
void SetRegisters(MachineState& machine, const Registers& r);

// Runs the case and reports every difference through GoogleTest.
void RunAndCompare(const StepCase& c);

// The first cell that differs, or "" when the arrays are equal.
template <std::size_t N>
std::string Difference(const std::array<std::uint8_t, N>& actual,
                       const std::array<std::uint8_t, N>& expected) {
  for (std::size_t i = 0; i < N; ++i) {
    if (actual[i] != expected[i]) {
      return "cell " + std::to_string(i) + " holds " + std::to_string(actual[i]) + ", expected " +
             std::to_string(expected[i]);
    }
  }
  return "";
}

}  // namespace kwarcyt::testing
