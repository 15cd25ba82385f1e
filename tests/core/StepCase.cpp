#include "StepCase.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>

#include "checker/Mojefunkcje.h"

namespace kwarcyt {
void PrintTo(RunEnd outcome, std::ostream* os) {
  constexpr const char* kNames[] = {"None",         "StepsSpent",   "Reported",    "Breakpoint",
                                    "Cursor",       "Paused",       "ByUser",      "Halted",
                                    "EndOfProgram", "RuntimeError", "CheckFailed", "NotStarted"};
  *os << kNames[static_cast<int>(outcome)];
}
}  // namespace kwarcyt

namespace kwarcyt::testing {
namespace {

template <std::size_t N>
void Apply(std::array<std::uint8_t, N>& cells, const std::vector<Cell>& values) {
  for (const Cell& c : values)
    cells[static_cast<std::size_t>(c.address)] = static_cast<std::uint8_t>(c.value);
}

}  // namespace

void PrintTo(const Registers& r, std::ostream* os) {
  *os << "A=" << r.A << " B=" << r.B << " C=" << r.C << " D=" << r.D << " E=" << r.E << " H=" << r.H
      << " L=" << r.L << " SP=" << r.SP << " | S=" << r.S << " Z=" << r.Z << " AC=" << r.AC
      << " P=" << r.P << " CY=" << r.CY;
}

StepCase AsStep(const DataCase& c) {
  return {.name = c.name,
          .lines = {c.line, "HLT"},
          .before = c.before,
          .memory = c.memory,
          .after = c.after,
          .memoryAfter = c.memoryAfter};
}

LabelTable LabelsOf(const std::vector<std::string>& lines) {
  LabelTable labels;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string upper = NormalizeLine(lines[i]);
    if (IsLabelLine(upper)) labels.Add(upper.substr(0, upper.size() - 1), static_cast<int>(i));
  }
  return labels;
}

Registers RegistersOf(const MachineState& m) {
  return {m.A, m.B, m.C, m.D, m.E, m.H, m.L, m.SP, m.S, m.Z, m.AC, m.P, m.CY};
}

void SetRegisters(MachineState& m, const Registers& r) {
  m.A = r.A, m.B = r.B, m.C = r.C, m.D = r.D, m.E = r.E, m.H = r.H, m.L = r.L, m.SP = r.SP;
  m.S = r.S, m.Z = r.Z, m.AC = r.AC, m.P = r.P, m.CY = r.CY;
}

void RunAndCompare(const StepCase& c) {
  const Program program(c.lines, LabelsOf(c.lines));
  auto machine = std::make_unique<MachineState>();
  SetRegisters(*machine, c.before);
  Apply(machine->Memory, c.memory);
  Apply(machine->InputPorts, c.inputs);
  machine->PC = c.pc;
  machine->FlagRuleSet = c.rules;
  auto expected = std::make_unique<MachineState>(*machine);
  Apply(expected->Memory, c.memoryAfter);
  Apply(expected->OutputPorts, c.outputsAfter);
  ErrorList errors;

  const RunEnd outcome = WykonajRozkaz(*machine, program, errors);

  EXPECT_EQ(outcome, c.outcome);
  EXPECT_EQ(machine->PC, c.pcAfter);
  EXPECT_EQ(RegistersOf(*machine), c.after);
  EXPECT_EQ(Difference(machine->Memory, expected->Memory), "") << "memory";
  EXPECT_EQ(Difference(machine->InputPorts, expected->InputPorts), "") << "input ports";
  EXPECT_EQ(Difference(machine->OutputPorts, expected->OutputPorts), "") << "output ports";
  EXPECT_EQ(errors, c.messages);
}

}  // namespace kwarcyt::testing
