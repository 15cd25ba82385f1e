// The whole state of the simulated computer. PC is the index of a program line, not an address:
// the program is never assembled, so memory holds only data and the stack.
#pragma once

#include <array>
#include <cstdint>

#include "checker/LabelTable.h"

namespace kwarcyt {

// Which rules set the flags. This simulator's own rules are the default; the 8085's differ in
// parity, in the carry and half carry of subtraction, in the half carry of ADC and ACI and in
// the half carry of DAA. Registers and memory come out the same under both.
enum class FlagRules : std::uint8_t { Kwarcyt, Processor8085 };

struct MachineState {
  static constexpr int kMemorySize = 65536;
  static constexpr int kPortCount = 256;

  // Registers, in the order the views show them.
  int A = 0, B = 0, C = 0, D = 0, E = 0, H = 0, L = 0, PC = 0, SP = 0;
  // Flags, each 0 or 1, in the order the views show them.
  int S = 0, Z = 0, AC = 0, P = 0, CY = 0;
  // Clock states of the 8085 spent by the steps executed since the registers were last zeroed.
  std::uint64_t TStates = 0;

  std::array<std::uint8_t, kMemorySize> Memory{};
  std::array<std::uint8_t, kPortCount> InputPorts{};
  std::array<std::uint8_t, kPortCount> OutputPorts{};

  bool ProgramChecked = false;
  bool Running = false;
  bool StopRequested = false;
  int DelayCount = 10;
  // A setting like DelayCount: chosen by the window or the runner, read by every step.
  FlagRules FlagRuleSet = FlagRules::Kwarcyt;

  ::kwarcyt::LabelTable LabelTable;

  int BC() const { return B * 256 + C; }
  int DE() const { return D * 256 + E; }
  int HL() const { return H * 256 + L; }
  void setBC(int value) {
    B = (value >> 8) & 0xFF;
    C = value & 0xFF;
  }
  void setDE(int value) {
    D = (value >> 8) & 0xFF;
    E = value & 0xFF;
  }
  void setHL(int value) {
    H = (value >> 8) & 0xFF;
    L = value & 0xFF;
  }

  // Registers, flags, clock states, memory and ports all equal: what steps and value entry can
  // change, without the run flags and the label table.
  bool SameContents(const MachineState& o) const {
    return A == o.A && B == o.B && C == o.C && D == o.D && E == o.E && H == o.H && L == o.L &&
           PC == o.PC && SP == o.SP && S == o.S && Z == o.Z && AC == o.AC && P == o.P &&
           CY == o.CY && TStates == o.TStates && Memory == o.Memory && InputPorts == o.InputPorts &&
           OutputPorts == o.OutputPorts;
  }

  void WyczyscFlagi() { S = Z = AC = P = CY = 0; }
  void WyczyscRejestry() {
    A = B = C = D = E = H = L = PC = SP = 0;
    TStates = 0;
  }
  void WyczyscPamiec() { Memory.fill(0); }
  void WyczyscPortyWej() { InputPorts.fill(0); }
  void WyczyscPortyWyj() { OutputPorts.fill(0); }

  // The machine side of Reset: memory, ports, flags and registers zeroed, no checked program,
  // no run. StopRequested, DelayCount, FlagRuleSet and the label table stay as they are.
  void ResetMachine() {
    WyczyscPamiec();
    WyczyscPortyWej();
    WyczyscPortyWyj();
    WyczyscFlagi();
    WyczyscRejestry();
    ProgramChecked = false;
    Running = false;
  }
};

}  // namespace kwarcyt
