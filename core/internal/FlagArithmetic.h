// The arithmetic of the accumulator with this simulator's own flag rules or the 8085's, as the
// machine's FlagRuleSet says. Under its own rules the subtraction carry is set when no carry
// comes out of the added complement, and the parity of a zero result is 0; both are part of
// what the program teaches, not slips to be corrected. Only the flags differ between the two:
// each helper computes the result once. Each helper tells its observer which rule gave each
// flag its value, right after setting it.
#pragma once

#include "StepObserver.h"
#include "checker/Mojefunkcje.h"
#include "core/MachineState.h"

namespace kwarcyt {

inline bool ProcessorRules(const MachineState& machine) {
  return machine.FlagRuleSet == FlagRules::Processor8085;
}

// P uses CY as the instruction has just left it, so every caller sets CY first.
template <class Observer>
void SetSignZeroParity(MachineState& machine, int x, Observer& o) {
  machine.S = x > 127 ? 1 : 0;
  o.Flag(FlagId::S, machine.S, FlagRule::Sign, x);
  machine.Z = x == 0 ? 1 : 0;
  o.Flag(FlagId::Z, machine.Z, FlagRule::Zero, x);
  if (ProcessorRules(machine)) {
    // Without the carry, the rule differs from the processor's only for a zero result.
    machine.P = x == 0 ? 1 : ParityFlag(x, 0);
    o.Flag(FlagId::P, machine.P, FlagRule::EvenParity, x);
    return;
  }
  machine.P = ParityFlag(x, machine.CY);
  o.Flag(FlagId::P, machine.P, FlagRule::Parity, x, machine.CY);
}

// ADD, ADI (carry 0) and ADC, ACI (carry = CY).
template <class Observer>
void AddToAccumulator(MachineState& machine, int operand, int carry, Observer& o) {
  const int t = operand + carry;  // may be 256
  const int lowA = machine.A % 16;
  if (ProcessorRules(machine)) {
    machine.AC = lowA + operand % 16 + carry > 15 ? 1 : 0;
    o.Flag(FlagId::AC, machine.AC, FlagRule::HalfCarryAdd, lowA, operand % 16, carry);
  } else {
    // The carry joins the operand before the low digits are added.
    machine.AC = lowA + t % 16 > 15 ? 1 : 0;
    o.Flag(FlagId::AC, machine.AC, FlagRule::HalfCarryAdd, lowA, t % 16);
  }
  const int sum = machine.A + t;
  machine.CY = sum > 255 ? 1 : 0;
  o.Flag(FlagId::CY, machine.CY, FlagRule::CarryAdd, sum);
  machine.A = sum % 256;
  o.Arithmetic(t, machine.A);
  SetSignZeroParity(machine, machine.A, o);
}

// SUB, SUI, CMP, CPI (borrow 0) and SBB, SBI (borrow = CY); CMP and CPI keep A. The result is
// A - operand - borrow modulo 256 under either rules.
template <class Observer>
void SubtractFromAccumulator(MachineState& machine, int operand, int borrow, bool keepAccumulator,
                             Observer& o) {
  const int lowA = machine.A % 16;
  int sum = 0;
  if (ProcessorRules(machine)) {
    // The processor adds NOT operand and the inverted borrow; no carry out is a borrow.
    const int inverted = 255 - operand;
    machine.AC = lowA + inverted % 16 + (1 - borrow) > 15 ? 1 : 0;
    o.Flag(FlagId::AC, machine.AC, FlagRule::HalfCarryInverted, lowA, inverted % 16, 1 - borrow);
    sum = machine.A + inverted + 1 - borrow;
    machine.CY = sum <= 255 ? 1 : 0;
    o.Flag(FlagId::CY, machine.CY, FlagRule::BorrowInverted, sum, 1 - borrow);
  } else {
    const int t = (256 - operand - borrow) % 256;
    machine.AC = (t % 16) + lowA > 15 ? 1 : 0;
    o.Flag(FlagId::AC, machine.AC, FlagRule::HalfCarrySubtract, lowA, t % 16);
    sum = machine.A + t;
    machine.CY = sum <= 255 ? 1 : 0;
    o.Flag(FlagId::CY, machine.CY, FlagRule::CarrySubtract, sum);
  }
  const int result = sum % 256;
  o.Arithmetic(operand + borrow, result);
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

// DAA: 06h when the low digit needs it, 60h when the high digit does, added at once. Added one
// after the other, with the high digit tested after the first, they give the same sum. CY is
// set exactly when 60h is added (the sum then always passes FFh, unless CY was 1 already), and
// never cleared.
template <class Observer>
void DecimalAdjust(MachineState& machine, Observer& o) {
  const int lowDigit = machine.A % 16;
  const int highDigit = machine.A / 16;
  const int acBefore = machine.AC;
  const int carryBefore = machine.CY;
  const int lowCorrection = lowDigit > 9 || acBefore == 1 ? 6 : 0;
  const bool highCorrection = carryBefore == 1 || highDigit > 9 || (highDigit >= 9 && lowDigit > 9);
  const int correction = lowCorrection + (highCorrection ? 0x60 : 0);
  const int sum = machine.A + correction;
  machine.CY = highCorrection ? 1 : 0;
  if (ProcessorRules(machine)) {
    machine.AC = lowDigit + lowCorrection > 15 ? 1 : 0;
    o.Flag(FlagId::AC, machine.AC, FlagRule::DecimalLowSum, lowDigit, acBefore, lowCorrection);
    o.Flag(FlagId::CY, machine.CY, FlagRule::DecimalHighDigit, carryBefore, highDigit, lowDigit);
  } else {
    machine.AC = lowCorrection == 6 ? 1 : 0;
    o.Flag(FlagId::AC, machine.AC, FlagRule::DecimalLowDigit, lowDigit, acBefore);
    o.Flag(FlagId::CY, machine.CY, FlagRule::DecimalCarry, carryBefore, sum > 255 ? 1 : 0);
  }
  machine.A = sum % 256;
  o.Arithmetic(correction, machine.A);
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
