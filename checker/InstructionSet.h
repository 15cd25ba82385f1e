// The instruction set: one row per mnemonic, read by the line checker (which operands a line may
// have), the decoder (what the line does) and the help's instruction list (how it is listed).
// An instruction is added with its row here, its case in the interpreter's step and its words in
// the help's instruction list (the build stops until it has them).
#pragma once

#include <cstdint>
#include <string_view>

namespace kwarcyt {

// The operand form of an instruction: what the checker accepts, with its messages, how the decoder
// reads the operands and which rows the help list shows.
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

// What a decoded line does; the interpreter's step is a switch on it.
// clang-format off
enum class Op : std::uint8_t {
  None,     // label, comment and blank lines, NOP, and lines whose operands name nothing usable
  Unknown,  // the first word is no mnemonic: reported at run time
  Halt,
  Ei, Di, Rim, Sim,  // a message and nothing else
  // data transfer: `a` destination register or pair, `b` source register, `value` a number
  Mov, Mvi, Lxi, Lda, Sta, Lhld, Shld, Ldax, Stax, Xchg,
  // arithmetic and logic with a register (`a`) or an immediate value (`value`)
  Add, Adc, Sub, Sbb, Cmp, Ana, Xra, Ora,
  Adi, Aci, Sui, Sbi, Cpi, Ani, Xri, Ori,
  Inr, Dcr, Inx, Dcx, Dad, Daa, Rlc, Rrc, Ral, Rar, Cma, Cmc, Stc,
  // control flow: `a` holds the Condition, `value` the target line
  Jump, Call, Return, Rst, Pchl,
  // stack and ports: `a` holds the pair, `value` the port number
  Sphl, Xthl, Push, Pop, In, Out,
};
// clang-format on

// The flag test of a conditional jump, call or return.
enum Condition : std::uint8_t {
  Always,
  IfZero,
  IfNotZero,
  IfPlus,
  IfMinus,
  IfCarry,
  IfNoCarry,
  IfParityEven,
  IfParityOdd,
};

struct InstructionInfo {
  std::string_view mnemonic;
  InstructionClass operands;
  Op op;
  Condition condition = Always;
};

namespace instruction_rows {
using enum InstructionClass;

// In the order of the mnemonic list, which is also the order of the help's instruction list.
// clang-format off
inline constexpr InstructionInfo kInstructions[] = {
    {"ADC",  Register,  Op::Adc},
    {"ACI",  Byte,      Op::Aci},
    {"ADD",  Register,  Op::Add},
    {"ADI",  Byte,      Op::Adi},
    {"ANA",  Register,  Op::Ana},
    {"ANI",  Byte,      Op::Ani},
    {"CALL", Jump,      Op::Call},
    {"CZ",   Jump,      Op::Call,   IfZero},
    {"CNZ",  Jump,      Op::Call,   IfNotZero},
    {"CP",   Jump,      Op::Call,   IfPlus},
    {"CM",   Jump,      Op::Call,   IfMinus},
    {"CC",   Jump,      Op::Call,   IfCarry},
    {"CNC",  Jump,      Op::Call,   IfNoCarry},
    {"CPE",  Jump,      Op::Call,   IfParityEven},
    {"CPO",  Jump,      Op::Call,   IfParityOdd},
    {"CMA",  NoOperand, Op::Cma},
    {"CMC",  NoOperand, Op::Cmc},
    {"CMP",  Register,  Op::Cmp},
    {"CPI",  Byte,      Op::Cpi},
    {"DAA",  NoOperand, Op::Daa},
    {"DAD",  Pair,      Op::Dad},
    {"DCR",  Register,  Op::Dcr},
    {"DCX",  Pair,      Op::Dcx},
    {"DI",   NoOperand, Op::Di},
    {"EI",   NoOperand, Op::Ei},
    {"HLT",  NoOperand, Op::Halt},
    {"IN",   Byte,      Op::In},
    {"INR",  Register,  Op::Inr},
    {"INX",  Pair,      Op::Inx},
    {"JMP",  Jump,      Op::Jump},
    {"JZ",   Jump,      Op::Jump,   IfZero},
    {"JNZ",  Jump,      Op::Jump,   IfNotZero},
    {"JP",   Jump,      Op::Jump,   IfPlus},
    {"JM",   Jump,      Op::Jump,   IfMinus},
    {"JC",   Jump,      Op::Jump,   IfCarry},
    {"JNC",  Jump,      Op::Jump,   IfNoCarry},
    {"JPE",  Jump,      Op::Jump,   IfParityEven},
    {"JPO",  Jump,      Op::Jump,   IfParityOdd},
    {"LDA",  Address,   Op::Lda},
    {"LDAX", Indirect,  Op::Ldax},
    {"LHLD", Address,   Op::Lhld},
    {"LXI",  Lxi,       Op::Lxi},
    {"MOV",  Mov,       Op::Mov},
    {"MVI",  Mvi,       Op::Mvi},
    {"NOP",  NoOperand, Op::None},
    {"ORA",  Register,  Op::Ora},
    {"ORI",  Byte,      Op::Ori},
    {"OUT",  Byte,      Op::Out},
    {"PCHL", NoOperand, Op::Pchl},
    {"POP",  Stack,     Op::Pop},
    {"PUSH", Stack,     Op::Push},
    {"RAL",  NoOperand, Op::Ral},
    {"RAR",  NoOperand, Op::Rar},
    {"RLC",  NoOperand, Op::Rlc},
    {"RRC",  NoOperand, Op::Rrc},
    {"RIM",  NoOperand, Op::Rim},
    {"RET",  NoOperand, Op::Return},
    {"RZ",   NoOperand, Op::Return, IfZero},
    {"RNZ",  NoOperand, Op::Return, IfNotZero},
    {"RP",   NoOperand, Op::Return, IfPlus},
    {"RM",   NoOperand, Op::Return, IfMinus},
    {"RC",   NoOperand, Op::Return, IfCarry},
    {"RNC",  NoOperand, Op::Return, IfNoCarry},
    {"RPE",  NoOperand, Op::Return, IfParityEven},
    {"RPO",  NoOperand, Op::Return, IfParityOdd},
    {"RST",  Rst,       Op::Rst},
    {"SBB",  Register,  Op::Sbb},
    {"SBI",  Byte,      Op::Sbi},
    {"SHLD", Address,   Op::Shld},
    {"SIM",  NoOperand, Op::Sim},
    {"SPHL", NoOperand, Op::Sphl},
    {"STA",  Address,   Op::Sta},
    {"STAX", Indirect,  Op::Stax},
    {"STC",  NoOperand, Op::Stc},
    {"SUB",  Register,  Op::Sub},
    {"SUI",  Byte,      Op::Sui},
    {"XCHG", NoOperand, Op::Xchg},
    {"XRA",  Register,  Op::Xra},
    {"XRI",  Byte,      Op::Xri},
    {"XTHL", NoOperand, Op::Xthl},
};
// clang-format on

}  // namespace instruction_rows

using instruction_rows::kInstructions;

// The row whose mnemonic equals the word exactly (words arrive upper-cased), or nullptr.
constexpr const InstructionInfo* FindInstruction(std::string_view word) {
  for (const InstructionInfo& row : kInstructions) {
    if (row.mnemonic == word) return &row;
  }
  return nullptr;
}

}  // namespace kwarcyt
