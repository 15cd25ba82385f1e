// Every mnemonic belongs to exactly one class; the class fixes the operand form the checker
// accepts and the messages it gives.
#pragma once

#include <cstdint>
#include <string_view>

#include "Mojefunkcje.h"

namespace kwarcyt {

enum class InstructionClass : std::uint8_t {
  Register,   // one 8-bit register: ADD B
  Byte,       // one number 0..255: ADI 10
  Jump,       // one label name: JMP PETLA
  NoOperand,  // NOP
  Pair,       // B, D, H or SP: INX H
  Address,    // one number 0..65535: LDA 2000H
  Indirect,   // B or D: LDAX B
  Lxi,        // LXI H,2000H
  Mov,        // MOV A,B
  Mvi,        // MVI A,5
  Stack,      // B, D, H or PSW: PUSH PSW
  Rst,        // RST 3, with a label RST_3
};

// The switch has no default, so a mnemonic added to the enum without a class does not compile.
constexpr InstructionClass ClassOf(Mnemonic m) {
  using enum Mnemonic;
  // clang-format off
  switch (m) {
    case ADC: case ADD: case ANA: case CMP: case DCR: case INR: case ORA: case SBB: case SUB:
    case XRA:
      return InstructionClass::Register;
    case ACI: case ADI: case ANI: case CPI: case IN: case ORI: case OUT: case SBI: case SUI:
    case XRI:
      return InstructionClass::Byte;
    case CALL: case CZ: case CNZ: case CP: case CM: case CC: case CNC: case CPE: case CPO:
    case JMP: case JZ: case JNZ: case JP: case JM: case JC: case JNC: case JPE: case JPO:
      return InstructionClass::Jump;
    case CMA: case CMC: case DAA: case DI: case EI: case HLT: case NOP: case PCHL: case RAL:
    case RAR: case RLC: case RRC: case RIM: case RET: case RZ: case RNZ: case RP: case RM:
    case RC: case RNC: case RPE: case RPO: case SIM: case SPHL: case STC: case XCHG: case XTHL:
      return InstructionClass::NoOperand;
    case DAD: case DCX: case INX:
      return InstructionClass::Pair;
    case LDA: case LHLD: case STA: case SHLD:
      return InstructionClass::Address;
    case LDAX: case STAX:
      return InstructionClass::Indirect;
    case LXI:
      return InstructionClass::Lxi;
    case MOV:
      return InstructionClass::Mov;
    case MVI:
      return InstructionClass::Mvi;
    case POP: case PUSH:
      return InstructionClass::Stack;
    case RST:
      return InstructionClass::Rst;
  }
  // clang-format on
  return InstructionClass::NoOperand;  // unreachable for a valid enumerator
}

}  // namespace kwarcyt
