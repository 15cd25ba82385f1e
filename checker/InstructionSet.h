// The instruction set: one row per mnemonic, read by the line checker (which operands a line may
// have), the decoder (what the line does and how many clock states it takes), the machine code
// layout (its opcode), the machine cycles of a step and the help's instruction list (how it is
// listed).
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

// The Intel 8085 opcode with every operand field zero, and the lowest bit of the field of the
// first register, pair or RST number: 0 (ADD r), 3 (INR r, MVI r, MOV's destination, RST n) or 4
// (pairs). MOV's source register is at bit 0.
struct Encoding {
  std::uint8_t opcode;
  std::uint8_t field;
};

// The machine cycles of an instruction, one letter each, in the order the 8085 performs them:
//   F  opcode fetch, 4 clock states       S  opcode fetch, 6 clock states
//   R  memory read of the instruction's next byte
//   M  memory read of the data the instruction names (at HL for M, at the address operand, at
//      BC or DE), each further one a byte higher
//   W  memory write there, counted the same way
//   X  MOV's M: a read when M is the source, a write when it is the destination
//   P  stack read, from SP upwards
//   U  stack write, downwards from the top the stack reads left
//   I  I/O read    O  I/O write    B  bus idle    H  the halt state (1 clock state)
// Every cycle but F, S and H takes 3 clock states. `withMemoryOrTaken` follows the rule of
// ClockStates; empty when the second form is the first one.
struct CyclePatterns {
  std::string_view usual;
  std::string_view withMemoryOrTaken;
};

struct InstructionInfo {
  std::string_view mnemonic;
  InstructionClass operands;
  Op op;
  Condition condition;
  ClockStates clock;
  Encoding encoding;
  CyclePatterns cycles;
};

// The bytes of the machine code of an instruction of the class: the opcode, then an 8-bit operand
// or the two bytes of a 16-bit one.
constexpr int InstructionSize(InstructionClass operands) {
  switch (operands) {
    case InstructionClass::Byte:
    case InstructionClass::Mvi:
      return 2;
    case InstructionClass::Jump:
    case InstructionClass::Address:
    case InstructionClass::Lxi:
      return 3;
    default:
      return 1;
  }
}

// Jumps, calls and returns take their second clock count and cycles when the condition holds
// (always, for the unconditional ones); every other row when M is an operand.
constexpr bool TakesCondition(const InstructionInfo& row) {
  return row.operands == InstructionClass::Jump || row.op == Op::Return;
}

constexpr int CycleClockStates(char cycle) {
  switch (cycle) {
    case 'F':
      return 4;
    case 'S':
      return 6;
    case 'H':
      return 1;
    case 'R':
    case 'M':
    case 'W':
    case 'X':
    case 'P':
    case 'U':
    case 'I':
    case 'O':
    case 'B':
      return 3;
    default:
      return -1000;  // no cycle: the sum below cannot come out right
  }
}

constexpr int PatternClockStates(std::string_view pattern) {
  int sum = 0;
  for (const char cycle : pattern) sum += CycleClockStates(cycle);
  return sum;
}

constexpr std::string_view SecondForm(const CyclePatterns& cycles) {
  return cycles.withMemoryOrTaken.empty() ? cycles.usual : cycles.withMemoryOrTaken;
}

namespace instruction_rows {
using enum InstructionClass;

// In the order of the mnemonic list, which is also the order of the help's instruction list.
// clang-format off
inline constexpr InstructionInfo kInstructions[] = {
    {"ADC",  Register,  Op::Adc,    Always,       { 4,  7}, {0x88, 0}, {"F",     "FM"}},
    {"ACI",  Byte,      Op::Aci,    Always,       { 7,  7}, {0xCE, 0}, {"FR",    ""}},
    {"ADD",  Register,  Op::Add,    Always,       { 4,  7}, {0x80, 0}, {"F",     "FM"}},
    {"ADI",  Byte,      Op::Adi,    Always,       { 7,  7}, {0xC6, 0}, {"FR",    ""}},
    {"ANA",  Register,  Op::Ana,    Always,       { 4,  7}, {0xA0, 0}, {"F",     "FM"}},
    {"ANI",  Byte,      Op::Ani,    Always,       { 7,  7}, {0xE6, 0}, {"FR",    ""}},
    {"CALL", Jump,      Op::Call,   Always,       {18, 18}, {0xCD, 0}, {"SRRUU", ""}},
    {"CZ",   Jump,      Op::Call,   IfZero,       { 9, 18}, {0xCC, 0}, {"SR",    "SRRUU"}},
    {"CNZ",  Jump,      Op::Call,   IfNotZero,    { 9, 18}, {0xC4, 0}, {"SR",    "SRRUU"}},
    {"CP",   Jump,      Op::Call,   IfPlus,       { 9, 18}, {0xF4, 0}, {"SR",    "SRRUU"}},
    {"CM",   Jump,      Op::Call,   IfMinus,      { 9, 18}, {0xFC, 0}, {"SR",    "SRRUU"}},
    {"CC",   Jump,      Op::Call,   IfCarry,      { 9, 18}, {0xDC, 0}, {"SR",    "SRRUU"}},
    {"CNC",  Jump,      Op::Call,   IfNoCarry,    { 9, 18}, {0xD4, 0}, {"SR",    "SRRUU"}},
    {"CPE",  Jump,      Op::Call,   IfParityEven, { 9, 18}, {0xEC, 0}, {"SR",    "SRRUU"}},
    {"CPO",  Jump,      Op::Call,   IfParityOdd,  { 9, 18}, {0xE4, 0}, {"SR",    "SRRUU"}},
    {"CMA",  NoOperand, Op::Cma,    Always,       { 4,  4}, {0x2F, 0}, {"F",     ""}},
    {"CMC",  NoOperand, Op::Cmc,    Always,       { 4,  4}, {0x3F, 0}, {"F",     ""}},
    {"CMP",  Register,  Op::Cmp,    Always,       { 4,  7}, {0xB8, 0}, {"F",     "FM"}},
    {"CPI",  Byte,      Op::Cpi,    Always,       { 7,  7}, {0xFE, 0}, {"FR",    ""}},
    {"DAA",  NoOperand, Op::Daa,    Always,       { 4,  4}, {0x27, 0}, {"F",     ""}},
    {"DAD",  Pair,      Op::Dad,    Always,       {10, 10}, {0x09, 4}, {"FBB",   ""}},
    {"DCR",  Register,  Op::Dcr,    Always,       { 4, 10}, {0x05, 3}, {"F",     "FMW"}},
    {"DCX",  Pair,      Op::Dcx,    Always,       { 6,  6}, {0x0B, 4}, {"S",     ""}},
    {"DI",   NoOperand, Op::Di,     Always,       { 4,  4}, {0xF3, 0}, {"F",     ""}},
    {"EI",   NoOperand, Op::Ei,     Always,       { 4,  4}, {0xFB, 0}, {"F",     ""}},
    {"HLT",  NoOperand, Op::Halt,   Always,       { 5,  5}, {0x76, 0}, {"FH",    ""}},
    {"IN",   Byte,      Op::In,     Always,       {10, 10}, {0xDB, 0}, {"FRI",   ""}},
    {"INR",  Register,  Op::Inr,    Always,       { 4, 10}, {0x04, 3}, {"F",     "FMW"}},
    {"INX",  Pair,      Op::Inx,    Always,       { 6,  6}, {0x03, 4}, {"S",     ""}},
    {"JMP",  Jump,      Op::Jump,   Always,       {10, 10}, {0xC3, 0}, {"FRR",   ""}},
    {"JZ",   Jump,      Op::Jump,   IfZero,       { 7, 10}, {0xCA, 0}, {"FR",    "FRR"}},
    {"JNZ",  Jump,      Op::Jump,   IfNotZero,    { 7, 10}, {0xC2, 0}, {"FR",    "FRR"}},
    {"JP",   Jump,      Op::Jump,   IfPlus,       { 7, 10}, {0xF2, 0}, {"FR",    "FRR"}},
    {"JM",   Jump,      Op::Jump,   IfMinus,      { 7, 10}, {0xFA, 0}, {"FR",    "FRR"}},
    {"JC",   Jump,      Op::Jump,   IfCarry,      { 7, 10}, {0xDA, 0}, {"FR",    "FRR"}},
    {"JNC",  Jump,      Op::Jump,   IfNoCarry,    { 7, 10}, {0xD2, 0}, {"FR",    "FRR"}},
    {"JPE",  Jump,      Op::Jump,   IfParityEven, { 7, 10}, {0xEA, 0}, {"FR",    "FRR"}},
    {"JPO",  Jump,      Op::Jump,   IfParityOdd,  { 7, 10}, {0xE2, 0}, {"FR",    "FRR"}},
    {"LDA",  Address,   Op::Lda,    Always,       {13, 13}, {0x3A, 0}, {"FRRM",  ""}},
    {"LDAX", Indirect,  Op::Ldax,   Always,       { 7,  7}, {0x0A, 4}, {"FM",    ""}},
    {"LHLD", Address,   Op::Lhld,   Always,       {16, 16}, {0x2A, 0}, {"FRRMM", ""}},
    {"LXI",  Lxi,       Op::Lxi,    Always,       {10, 10}, {0x01, 4}, {"FRR",   ""}},
    {"MOV",  Mov,       Op::Mov,    Always,       { 4,  7}, {0x40, 3}, {"F",     "FX"}},
    {"MVI",  Mvi,       Op::Mvi,    Always,       { 7, 10}, {0x06, 3}, {"FR",    "FRW"}},
    {"NOP",  NoOperand, Op::None,   Always,       { 4,  4}, {0x00, 0}, {"F",     ""}},
    {"ORA",  Register,  Op::Ora,    Always,       { 4,  7}, {0xB0, 0}, {"F",     "FM"}},
    {"ORI",  Byte,      Op::Ori,    Always,       { 7,  7}, {0xF6, 0}, {"FR",    ""}},
    {"OUT",  Byte,      Op::Out,    Always,       {10, 10}, {0xD3, 0}, {"FRO",   ""}},
    {"PCHL", NoOperand, Op::Pchl,   Always,       { 6,  6}, {0xE9, 0}, {"S",     ""}},
    {"POP",  Stack,     Op::Pop,    Always,       {10, 10}, {0xC1, 4}, {"FPP",   ""}},
    {"PUSH", Stack,     Op::Push,   Always,       {12, 12}, {0xC5, 4}, {"SUU",   ""}},
    {"RAL",  NoOperand, Op::Ral,    Always,       { 4,  4}, {0x17, 0}, {"F",     ""}},
    {"RAR",  NoOperand, Op::Rar,    Always,       { 4,  4}, {0x1F, 0}, {"F",     ""}},
    {"RLC",  NoOperand, Op::Rlc,    Always,       { 4,  4}, {0x07, 0}, {"F",     ""}},
    {"RRC",  NoOperand, Op::Rrc,    Always,       { 4,  4}, {0x0F, 0}, {"F",     ""}},
    {"RIM",  NoOperand, Op::Rim,    Always,       { 4,  4}, {0x20, 0}, {"F",     ""}},
    {"RET",  NoOperand, Op::Return, Always,       {10, 10}, {0xC9, 0}, {"FPP",   ""}},
    {"RZ",   NoOperand, Op::Return, IfZero,       { 6, 12}, {0xC8, 0}, {"S",     "SPP"}},
    {"RNZ",  NoOperand, Op::Return, IfNotZero,    { 6, 12}, {0xC0, 0}, {"S",     "SPP"}},
    {"RP",   NoOperand, Op::Return, IfPlus,       { 6, 12}, {0xF0, 0}, {"S",     "SPP"}},
    {"RM",   NoOperand, Op::Return, IfMinus,      { 6, 12}, {0xF8, 0}, {"S",     "SPP"}},
    {"RC",   NoOperand, Op::Return, IfCarry,      { 6, 12}, {0xD8, 0}, {"S",     "SPP"}},
    {"RNC",  NoOperand, Op::Return, IfNoCarry,    { 6, 12}, {0xD0, 0}, {"S",     "SPP"}},
    {"RPE",  NoOperand, Op::Return, IfParityEven, { 6, 12}, {0xE8, 0}, {"S",     "SPP"}},
    {"RPO",  NoOperand, Op::Return, IfParityOdd,  { 6, 12}, {0xE0, 0}, {"S",     "SPP"}},
    {"RST",  Rst,       Op::Rst,    Always,       {12, 12}, {0xC7, 3}, {"SUU",   ""}},
    {"SBB",  Register,  Op::Sbb,    Always,       { 4,  7}, {0x98, 0}, {"F",     "FM"}},
    {"SBI",  Byte,      Op::Sbi,    Always,       { 7,  7}, {0xDE, 0}, {"FR",    ""}},
    {"SHLD", Address,   Op::Shld,   Always,       {16, 16}, {0x22, 0}, {"FRRWW", ""}},
    {"SIM",  NoOperand, Op::Sim,    Always,       { 4,  4}, {0x30, 0}, {"F",     ""}},
    {"SPHL", NoOperand, Op::Sphl,   Always,       { 6,  6}, {0xF9, 0}, {"S",     ""}},
    {"STA",  Address,   Op::Sta,    Always,       {13, 13}, {0x32, 0}, {"FRRW",  ""}},
    {"STAX", Indirect,  Op::Stax,   Always,       { 7,  7}, {0x02, 4}, {"FW",    ""}},
    {"STC",  NoOperand, Op::Stc,    Always,       { 4,  4}, {0x37, 0}, {"F",     ""}},
    {"SUB",  Register,  Op::Sub,    Always,       { 4,  7}, {0x90, 0}, {"F",     "FM"}},
    {"SUI",  Byte,      Op::Sui,    Always,       { 7,  7}, {0xD6, 0}, {"FR",    ""}},
    {"XCHG", NoOperand, Op::Xchg,   Always,       { 4,  4}, {0xEB, 0}, {"F",     ""}},
    {"XRA",  Register,  Op::Xra,    Always,       { 4,  7}, {0xA8, 0}, {"F",     "FM"}},
    {"XRI",  Byte,      Op::Xri,    Always,       { 7,  7}, {0xEE, 0}, {"FR",    ""}},
    {"XTHL", NoOperand, Op::Xthl,   Always,       {16, 16}, {0xE3, 0}, {"FPPUU", ""}},
};
// clang-format on

}  // namespace instruction_rows

using instruction_rows::kInstructions;

// Each row's cycles add up to its clock states, begin with the opcode fetch and, in the second
// form, read every byte of the instruction after the opcode.
constexpr bool CyclesAgreeWithRow(const InstructionInfo& row) {
  const std::string_view second = SecondForm(row.cycles);
  int operandReads = 0;
  for (const char cycle : second) operandReads += cycle == 'R' ? 1 : 0;
  return PatternClockStates(row.cycles.usual) == row.clock.usual &&
         PatternClockStates(second) == row.clock.withMemoryOrTaken &&
         (row.cycles.usual.front() == 'F' || row.cycles.usual.front() == 'S') &&
         second.front() == row.cycles.usual.front() &&
         operandReads == InstructionSize(row.operands) - 1;
}

constexpr bool AllCyclesAgree() {
  for (const InstructionInfo& row : kInstructions) {
    if (!CyclesAgreeWithRow(row)) return false;
  }
  return true;
}
static_assert(AllCyclesAgree(), "a row's machine cycles do not match its clock states or size");

// The row whose mnemonic equals the word exactly (words arrive upper-cased), or nullptr.
constexpr const InstructionInfo* FindInstruction(std::string_view word) {
  for (const InstructionInfo& row : kInstructions) {
    if (row.mnemonic == word) return &row;
  }
  return nullptr;
}

}  // namespace kwarcyt
