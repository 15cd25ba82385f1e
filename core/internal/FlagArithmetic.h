// The arithmetic of the accumulator with this simulator's own flag rules. The subtraction carry
// is set when no carry comes out of the added complement, and the parity of a zero result is 0;
// both are part of what the program teaches, not slips to be corrected. Each helper tells its
// observer which rule gave each flag its value, right after setting it.
#pragma once

#include "StepObserver.h"
#include "checker/Mojefunkcje.h"
#include "core/MachineState.h"

namespace kwarcyt {

// P uses CY as the instruction has just left it, so every caller sets CY first.
template <class Observer>
void SetSignZeroParity(MachineState& machine, int x, Observer& o) {
  machine.S = x > 127 ? 1 : 0;
  o.Flag(FlagId::S, machine.S, FlagRule::Sign, x);
  machine.Z = x == 0 ? 1 : 0;
  o.Flag(FlagId::Z, machine.Z, FlagRule::Zero, x);
  machine.P = ParityFlag(x, machine.CY);
  o.Flag(FlagId::P, machine.P, FlagRule::Parity, x, machine.CY);
}

// ADD, ADI, and ADC, ACI with the carry already added to t (so t may be 256).
template <class Observer>
void AddToAccumulator(MachineState& machine, int t, Observer& o) {
  machine.AC = (t % 16) + (machine.A % 16) > 15 ? 1 : 0;
  o.Flag(FlagId::AC, machine.AC, FlagRule::HalfCarryAdd, machine.A % 16, t % 16);
  const int sum = machine.A + t;
  machine.CY = sum > 255 ? 1 : 0;
  o.Flag(FlagId::CY, machine.CY, FlagRule::CarryAdd, sum);
  machine.A = sum % 256;
  o.Arithmetic(t, machine.A);
  SetSignZeroParity(machine, machine.A, o);
}

// SUB, SUI, and SBB, SBI with the carry already added to m; CMP and CPI keep A.
template <class Observer>
void SubtractFromAccumulator(MachineState& machine, int m, bool keepAccumulator, Observer& o) {
  const int t = (256 - m) % 256;
  machine.AC = (t % 16) + (machine.A % 16) > 15 ? 1 : 0;
  o.Flag(FlagId::AC, machine.AC, FlagRule::HalfCarrySubtract, machine.A % 16, t % 16);
  const int sum = machine.A + t;
  machine.CY = sum <= 255 ? 1 : 0;
  o.Flag(FlagId::CY, machine.CY, FlagRule::CarrySubtract, sum);
  const int result = sum % 256;
  o.Arithmetic(m, result);
  SetSignZeroParity(machine, result, o);
  if (!keepAccumulator) machine.A = result;
}

// ANA, ANI (ac = 1) and XRA, XRI, ORA, ORI (ac = 0), after A has been combined.
template <class Observer>
void SetLogicFlags(MachineState& machine, int ac, Observer& o) {
  machine.AC = ac;
  o.Flag(FlagId::AC, ac, ac == 1 ? FlagRule::LogicAnd : FlagRule::LogicOther);
  machine.CY = 0;
  o.Flag(FlagId::CY, 0, FlagRule::LogicCarry);
  SetSignZeroParity(machine, machine.A, o);
}

// INR and DCR leave CY alone; the result goes back where the operand came from.
template <class Observer>
int Increment(MachineState& machine, int x, Observer& o) {
  machine.AC = x % 16 == 15 ? 1 : 0;
  o.Flag(FlagId::AC, machine.AC, FlagRule::IncrementDigit, x % 16);
  const int result = (x + 1) % 256;
  SetSignZeroParity(machine, result, o);
  return result;
}

template <class Observer>
int Decrement(MachineState& machine, int x, Observer& o) {
  machine.AC = x % 16 != 0 ? 1 : 0;
  o.Flag(FlagId::AC, machine.AC, FlagRule::DecrementDigit, x % 16);
  const int result = (x + 255) % 256;
  SetSignZeroParity(machine, result, o);
  return result;
}

// DAA never clears CY.
template <class Observer>
void DecimalAdjust(MachineState& machine, Observer& o) {
  const int carryBefore = machine.CY;
  int added = 0;
  int overflowed = 0;
  const int lowDigit = machine.A % 16;
  const int acBefore = machine.AC;
  if (lowDigit > 9 || machine.AC == 1) {
    machine.A += 6;
    added += 6;
    machine.AC = 1;
    if (machine.A > 255) {
      machine.CY = 1;
      machine.A %= 256;
      overflowed = 1;
    }
  } else {
    machine.AC = 0;
  }
  o.Flag(FlagId::AC, machine.AC, FlagRule::DecimalLowDigit, lowDigit, acBefore);
  if ((machine.A & 0xF0) > 0x90 || machine.CY == 1) {
    machine.A += 0x60;
    added += 0x60;
    if (machine.A > 255) {
      machine.CY = 1;
      machine.A %= 256;
      overflowed = 1;
    }
  }
  o.Flag(FlagId::CY, machine.CY, FlagRule::DecimalCarry, carryBefore, overflowed);
  o.Arithmetic(added, machine.A);
  SetSignZeroParity(machine, machine.A, o);
}

// DAD: byte by byte, the carry of the low byte going into the high one; only CY changes.
template <class Observer>
void AddToHL(MachineState& machine, int value, Observer& o) {
  const int low = machine.L + value % 256;
  const int high = machine.H + value / 256 + (low > 255 ? 1 : 0);
  machine.L = low % 256;
  machine.CY = high > 255 ? 1 : 0;
  o.Flag(FlagId::CY, machine.CY, FlagRule::DoubleAddCarry, high);
  machine.H = high % 256;
}

template <class Observer>
void RotateLeft(MachineState& machine, Observer& o) {
  const int old = machine.A;
  machine.CY = machine.A >> 7 & 1;
  o.Flag(FlagId::CY, machine.CY, FlagRule::RotatedOutBit7, old);
  machine.A = (machine.A * 2 + machine.CY) % 256;
}

template <class Observer>
void RotateRight(MachineState& machine, Observer& o) {
  const int old = machine.A;
  machine.CY = machine.A & 1;
  o.Flag(FlagId::CY, machine.CY, FlagRule::RotatedOutBit0, old);
  machine.A = machine.A / 2 + 128 * machine.CY;
}

template <class Observer>
void RotateLeftThroughCarry(MachineState& machine, Observer& o) {
  const int old = machine.CY;
  const int oldA = machine.A;
  machine.CY = machine.A >> 7 & 1;
  o.Flag(FlagId::CY, machine.CY, FlagRule::RotatedOutBit7, oldA);
  machine.A = (machine.A * 2 + old) % 256;
}

template <class Observer>
void RotateRightThroughCarry(MachineState& machine, Observer& o) {
  const int old = machine.CY;
  const int oldA = machine.A;
  machine.CY = machine.A & 1;
  o.Flag(FlagId::CY, machine.CY, FlagRule::RotatedOutBit0, oldA);
  machine.A = machine.A / 2 + 128 * old;
}

}  // namespace kwarcyt
