// What a step can tell about itself while it executes: the flag rules it applied with the numbers
// they looked at, the result it computed and whether a condition held. The interpreter's step is
// written once, over an observer type; a normal run passes SilentObserver, whose empty inline
// calls leave nothing behind in the compiled step, and the step explanation passes one that
// records.
#pragma once

#include <cstdint>

namespace kwarcyt {

// In the order of the flag register.
enum class FlagId : std::uint8_t { S, Z, AC, P, CY };

// The rule that gave a flag its value; x, y and z are the numbers it looked at. The rules marked
// 8085 are the processor's, applied instead of the one before them under FlagRules::Processor8085.
enum class FlagRule : std::uint8_t {
  Sign,               // x: the 8-bit result
  Zero,               // x: the 8-bit result
  Parity,             // x: the 8-bit result, y: CY as the instruction left it
  EvenParity,         // 8085; x: the 8-bit result
  HalfCarryAdd,       // x: low digit of A, y: low digit of the added operand, z: carry added
  HalfCarrySubtract,  // x: low digit of A, y: low digit of the added complement
  HalfCarryInverted,  // 8085; x: low digit of A, y: low digit of NOT operand, z: 1 - borrow
  CarryAdd,           // x: the sum
  CarrySubtract,      // x: A plus the complement of the subtrahend
  BorrowInverted,     // 8085; x: A + NOT operand + 1 - borrow, y: 1 - borrow
  LogicAnd,           // ANA, ANI set AC
  LogicOther,         // XRA, XRI, ORA, ORI clear AC
  LogicCarry,         // every logic instruction clears CY
  IncrementDigit,     // x: low digit of the old value
  DecrementDigit,     // x: low digit of the old value
  DecimalLowDigit,    // x: low digit of A, y: AC before
  DecimalLowSum,      // 8085; x: low digit of A, y: AC before, z: the low correction (0 or 6)
  DecimalCarry,       // x: CY before, y: 1 when a correction went past FFh
  DecimalHighDigit,   // 8085; x: CY before, y: high digit of A, z: low digit of A
  DoubleAddCarry,     // x: the high byte's sum
  RotatedOutBit7,     // x: A before the rotation
  RotatedOutBit0,     // x: A before the rotation
  Complemented,       // CMC, x: CY before
  SetCarry,           // STC
  FromFlagByte,       // POP PSW, x: the flag byte taken from the stack
};

struct SilentObserver {
  void Flag(FlagId /*flag*/, int /*value*/, FlagRule /*rule*/, int /*x*/ = 0, int /*y*/ = 0,
            int /*z*/ = 0) {}
  // The 8-bit result of an addition, subtraction, comparison or decimal adjustment, and the
  // number that was added to or subtracted from A (the carry included).
  void Arithmetic(int /*operand*/, int /*result*/) {}
  void Condition(bool /*holds*/) {}
};

}  // namespace kwarcyt
