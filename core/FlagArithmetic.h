// The arithmetic of the accumulator with this simulator's own flag rules. The subtraction carry
// is set when no carry comes out of the added complement, and the parity of a zero result is 0;
// both are part of what the program teaches, not slips to be corrected.
#pragma once

#include "MachineState.h"
#include "checker/Mojefunkcje.h"

namespace kwarcyt {

// P uses CY as the instruction has just left it, so every caller sets CY first.
inline void SetSignZeroParity(MachineState& machine, int x) {
  machine.S = x > 127 ? 1 : 0;
  machine.Z = x == 0 ? 1 : 0;
  machine.P = ParityFlag(x, machine.CY);
}

// ADD, ADI, and ADC, ACI with the carry already added to t (so t may be 256).
inline void AddToAccumulator(MachineState& machine, int t) {
  machine.AC = (t % 16) + (machine.A % 16) > 15 ? 1 : 0;
  const int sum = machine.A + t;
  machine.CY = sum > 255 ? 1 : 0;
  machine.A = sum % 256;
  SetSignZeroParity(machine, machine.A);
}

// SUB, SUI, and SBB, SBI with the carry already added to m; CMP and CPI keep A.
inline void SubtractFromAccumulator(MachineState& machine, int m, bool keepAccumulator) {
  const int t = (256 - m) % 256;
  machine.AC = (t % 16) + (machine.A % 16) > 15 ? 1 : 0;
  const int sum = machine.A + t;
  machine.CY = sum <= 255 ? 1 : 0;
  const int result = sum % 256;
  SetSignZeroParity(machine, result);
  if (!keepAccumulator) machine.A = result;
}

// ANA, ANI (ac = 1) and XRA, XRI, ORA, ORI (ac = 0), after A has been combined.
inline void SetLogicFlags(MachineState& machine, int ac) {
  machine.AC = ac;
  machine.CY = 0;
  SetSignZeroParity(machine, machine.A);
}

// INR and DCR leave CY alone; the result goes back where the operand came from.
inline int Increment(MachineState& machine, int x) {
  machine.AC = x % 16 == 15 ? 1 : 0;
  const int result = (x + 1) % 256;
  SetSignZeroParity(machine, result);
  return result;
}

inline int Decrement(MachineState& machine, int x) {
  machine.AC = x % 16 != 0 ? 1 : 0;
  const int result = (x + 255) % 256;
  SetSignZeroParity(machine, result);
  return result;
}

// DAA never clears CY.
inline void DecimalAdjust(MachineState& machine) {
  if (machine.A % 16 > 9 || machine.AC == 1) {
    machine.A += 6;
    machine.AC = 1;
    if (machine.A > 255) {
      machine.CY = 1;
      machine.A %= 256;
    }
  } else {
    machine.AC = 0;
  }
  if ((machine.A & 0xF0) > 0x90 || machine.CY == 1) {
    machine.A += 0x60;
    if (machine.A > 255) {
      machine.CY = 1;
      machine.A %= 256;
    }
  }
  SetSignZeroParity(machine, machine.A);
}

// DAD: byte by byte, the carry of the low byte going into the high one; only CY changes.
inline void AddToHL(MachineState& machine, int value) {
  const int low = machine.L + value % 256;
  const int high = machine.H + value / 256 + (low > 255 ? 1 : 0);
  machine.L = low % 256;
  machine.CY = high > 255 ? 1 : 0;
  machine.H = high % 256;
}

inline void RotateLeft(MachineState& machine) {
  machine.CY = machine.A >> 7 & 1;
  machine.A = (machine.A * 2 + machine.CY) % 256;
}

inline void RotateRight(MachineState& machine) {
  machine.CY = machine.A & 1;
  machine.A = machine.A / 2 + 128 * machine.CY;
}

inline void RotateLeftThroughCarry(MachineState& machine) {
  const int old = machine.CY;
  machine.CY = machine.A >> 7 & 1;
  machine.A = (machine.A * 2 + old) % 256;
}

inline void RotateRightThroughCarry(MachineState& machine) {
  const int old = machine.CY;
  machine.CY = machine.A & 1;
  machine.A = machine.A / 2 + 128 * old;
}

}  // namespace kwarcyt
