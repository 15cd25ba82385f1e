// Reading and writing the machine by the operand ids of a decoded line, and the stack. Inline,
// because every step goes through here.
#pragma once

#include <array>

#include "core/DecodedLine.h"
#include "core/MachineFields.h"
#include "core/MachineState.h"

namespace kwarcyt {

// Addresses are masked so that a register holding more than 8 bits (never written by an
// instruction, but a field any caller may set) cannot reach outside memory.
inline std::uint8_t& Cell(MachineState& machine, int address) {
  return machine.Memory[static_cast<std::size_t>(address & 0xFFFF)];
}

// By operand id; M has no field of its own.
inline constexpr std::array<int MachineState::*, 8> kRegisterFields = {
    FieldNamed("B").member,
    FieldNamed("C").member,
    FieldNamed("D").member,
    FieldNamed("E").member,
    FieldNamed("H").member,
    FieldNamed("L").member,
    nullptr,
    FieldNamed("A").member,
};

// M is the memory cell at HL; the callers compute HL once per instruction, before it is applied.
inline int ReadRegister(MachineState& machine, std::uint8_t reg) {
  reg &= 7;
  if (reg == RegM) return Cell(machine, machine.HL());
  return machine.*kRegisterFields[reg];
}

inline void WriteRegister(MachineState& machine, std::uint8_t reg, int value, int hl) {
  reg &= 7;
  if (reg == RegM) {
    Cell(machine, hl) = static_cast<std::uint8_t>(value);
  } else {
    machine.*kRegisterFields[reg] = value;
  }
}

// The fourth pair is SP here (LXI, INX, DCX, DAD).
inline int ReadPair(const MachineState& machine, std::uint8_t pair) {
  switch (pair) {
    case PairBC:
      return machine.BC();
    case PairDE:
      return machine.DE();
    case PairHL:
      return machine.HL();
    default:
      return machine.SP;
  }
}

inline void WritePair(MachineState& machine, std::uint8_t pair, int value) {
  switch (pair) {
    case PairBC:
      machine.setBC(value);
      break;
    case PairDE:
      machine.setDE(value);
      break;
    case PairHL:
      machine.setHL(value);
      break;
    default:
      machine.SP = value & 0xFFFF;
      break;
  }
}

// The flag byte of PUSH PSW and POP PSW: S Z 0 AC 0 P 0 CY.
inline int FlagByte(const MachineState& machine) {
  return machine.S << 7 | machine.Z << 6 | machine.AC << 4 | machine.P << 2 | machine.CY;
}

inline void SetFlagsFromByte(MachineState& machine, int byte) {
  machine.S = byte >> 7 & 1;
  machine.Z = byte >> 6 & 1;
  machine.AC = byte >> 4 & 1;
  machine.P = byte >> 2 & 1;
  machine.CY = byte & 1;
}

// The high byte goes to the higher address, as on the 8085.
inline void Push(MachineState& machine, int value) {
  machine.SP = (machine.SP - 1) & 0xFFFF;
  Cell(machine, machine.SP) = static_cast<std::uint8_t>(value >> 8 & 0xFF);
  machine.SP = (machine.SP - 1) & 0xFFFF;
  Cell(machine, machine.SP) = static_cast<std::uint8_t>(value & 0xFF);
}

inline int Pop(MachineState& machine) {
  int value = Cell(machine, machine.SP);
  machine.SP = (machine.SP + 1) & 0xFFFF;
  value += 256 * Cell(machine, machine.SP);
  machine.SP = (machine.SP + 1) & 0xFFFF;
  return value;
}

}  // namespace kwarcyt
