// The instruction set: one row per mnemonic, read by the line checker (which operands a line may
// have), the decoder (what the line does and how many clock states it takes) and the help's
// instruction list (how it is listed).
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

// Clock states of the Intel 8085 for one instruction. The second count applies when M is an
// operand (MOV, MVI, INR, DCR, the ALU operations with a register) or when the condition of a
// jump, call or return holds; otherwise the first one does.
struct ClockStates {
  std::uint8_t usual;
  std::uint8_t withMemoryOrTaken;
};

struct InstructionInfo {
  std::string_view mnemonic;
  InstructionClass operands;
  Op op;
  Condition condition;
  ClockStates clock;
};

namespace instruction_rows {
using enum InstructionClass;

// In the order of the mnemonic list, which is also the order of the help's instruction list.
// clang-format off
inline constexpr InstructionInfo kInstructions[] = {
    {"ADC",  Register,  Op::Adc,    Always,       { 4,  7}},
    {"ACI",  Byte,      Op::Aci,    Always,       { 7,  7}},
    {"ADD",  Register,  Op::Add,    Always,       { 4,  7}},
    {"ADI",  Byte,      Op::Adi,    Always,       { 7,  7}},
    {"ANA",  Register,  Op::Ana,    Always,       { 4,  7}},
    {"ANI",  Byte,      Op::Ani,    Always,       { 7,  7}},
    {"CALL", Jump,      Op::Call,   Always,       {18, 18}},
    {"CZ",   Jump,      Op::Call,   IfZero,       { 9, 18}},
    {"CNZ",  Jump,      Op::Call,   IfNotZero,    { 9, 18}},
    {"CP",   Jump,      Op::Call,   IfPlus,       { 9, 18}},
    {"CM",   Jump,      Op::Call,   IfMinus,      { 9, 18}},
    {"CC",   Jump,      Op::Call,   IfCarry,      { 9, 18}},
    {"CNC",  Jump,      Op::Call,   IfNoCarry,    { 9, 18}},
    {"CPE",  Jump,      Op::Call,   IfParityEven, { 9, 18}},
    {"CPO",  Jump,      Op::Call,   IfParityOdd,  { 9, 18}},
    {"CMA",  NoOperand, Op::Cma,    Always,       { 4,  4}},
    {"CMC",  NoOperand, Op::Cmc,    Always,       { 4,  4}},
    {"CMP",  Register,  Op::Cmp,    Always,       { 4,  7}},
    {"CPI",  Byte,      Op::Cpi,    Always,       { 7,  7}},
    {"DAA",  NoOperand, Op::Daa,    Always,       { 4,  4}},
    {"DAD",  Pair,      Op::Dad,    Always,       {10, 10}},
    {"DCR",  Register,  Op::Dcr,    Always,       { 4, 10}},
    {"DCX",  Pair,      Op::Dcx,    Always,       { 6,  6}},
    {"DI",   NoOperand, Op::Di,     Always,       { 4,  4}},
    {"EI",   NoOperand, Op::Ei,     Always,       { 4,  4}},
    {"HLT",  NoOperand, Op::Halt,   Always,       { 5,  5}},
    {"IN",   Byte,      Op::In,     Always,       {10, 10}},
    {"INR",  Register,  Op::Inr,    Always,       { 4, 10}},
    {"INX",  Pair,      Op::Inx,    Always,       { 6,  6}},
    {"JMP",  Jump,      Op::Jump,   Always,       {10, 10}},
    {"JZ",   Jump,      Op::Jump,   IfZero,       { 7, 10}},
    {"JNZ",  Jump,      Op::Jump,   IfNotZero,    { 7, 10}},
    {"JP",   Jump,      Op::Jump,   IfPlus,       { 7, 10}},
    {"JM",   Jump,      Op::Jump,   IfMinus,      { 7, 10}},
    {"JC",   Jump,      Op::Jump,   IfCarry,      { 7, 10}},
    {"JNC",  Jump,      Op::Jump,   IfNoCarry,    { 7, 10}},
    {"JPE",  Jump,      Op::Jump,   IfParityEven, { 7, 10}},
    {"JPO",  Jump,      Op::Jump,   IfParityOdd,  { 7, 10}},
    {"LDA",  Address,   Op::Lda,    Always,       {13, 13}},
    {"LDAX", Indirect,  Op::Ldax,   Always,       { 7,  7}},
    {"LHLD", Address,   Op::Lhld,   Always,       {16, 16}},
    {"LXI",  Lxi,       Op::Lxi,    Always,       {10, 10}},
    {"MOV",  Mov,       Op::Mov,    Always,       { 4,  7}},
    {"MVI",  Mvi,       Op::Mvi,    Always,       { 7, 10}},
    {"NOP",  NoOperand, Op::None,   Always,       { 4,  4}},
    {"ORA",  Register,  Op::Ora,    Always,       { 4,  7}},
    {"ORI",  Byte,      Op::Ori,    Always,       { 7,  7}},
    {"OUT",  Byte,      Op::Out,    Always,       {10, 10}},
    {"PCHL", NoOperand, Op::Pchl,   Always,       { 6,  6}},
    {"POP",  Stack,     Op::Pop,    Always,       {10, 10}},
    {"PUSH", Stack,     Op::Push,   Always,       {12, 12}},
    {"RAL",  NoOperand, Op::Ral,    Always,       { 4,  4}},
    {"RAR",  NoOperand, Op::Rar,    Always,       { 4,  4}},
    {"RLC",  NoOperand, Op::Rlc,    Always,       { 4,  4}},
    {"RRC",  NoOperand, Op::Rrc,    Always,       { 4,  4}},
    {"RIM",  NoOperand, Op::Rim,    Always,       { 4,  4}},
    {"RET",  NoOperand, Op::Return, Always,       {10, 10}},
    {"RZ",   NoOperand, Op::Return, IfZero,       { 6, 12}},
    {"RNZ",  NoOperand, Op::Return, IfNotZero,    { 6, 12}},
    {"RP",   NoOperand, Op::Return, IfPlus,       { 6, 12}},
    {"RM",   NoOperand, Op::Return, IfMinus,      { 6, 12}},
    {"RC",   NoOperand, Op::Return, IfCarry,      { 6, 12}},
    {"RNC",  NoOperand, Op::Return, IfNoCarry,    { 6, 12}},
    {"RPE",  NoOperand, Op::Return, IfParityEven, { 6, 12}},
    {"RPO",  NoOperand, Op::Return, IfParityOdd,  { 6, 12}},
    {"RST",  Rst,       Op::Rst,    Always,       {12, 12}},
    {"SBB",  Register,  Op::Sbb,    Always,       { 4,  7}},
    {"SBI",  Byte,      Op::Sbi,    Always,       { 7,  7}},
    {"SHLD", Address,   Op::Shld,   Always,       {16, 16}},
    {"SIM",  NoOperand, Op::Sim,    Always,       { 4,  4}},
    {"SPHL", NoOperand, Op::Sphl,   Always,       { 6,  6}},
    {"STA",  Address,   Op::Sta,    Always,       {13, 13}},
    {"STAX", Indirect,  Op::Stax,   Always,       { 7,  7}},
    {"STC",  NoOperand, Op::Stc,    Always,       { 4,  4}},
    {"SUB",  Register,  Op::Sub,    Always,       { 4,  7}},
    {"SUI",  Byte,      Op::Sui,    Always,       { 7,  7}},
    {"XCHG", NoOperand, Op::Xchg,   Always,       { 4,  4}},
    {"XRA",  Register,  Op::Xra,    Always,       { 4,  7}},
    {"XRI",  Byte,      Op::Xri,    Always,       { 7,  7}},
    {"XTHL", NoOperand, Op::Xthl,   Always,       {16, 16}},
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
