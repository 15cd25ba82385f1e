// The compact form of one program line: taken apart once when a run starts, so that a step is a
// switch on an enum instead of text comparisons.
#pragma once

#include <cstdint>
#include <string_view>

#include "LabelTable.h"

namespace kwarcyt {

// clang-format off
enum class Op : std::uint8_t {
  None,     // label, comment and blank lines, NOP, and lines whose operands name nothing usable
  Unknown,  // the first word is no mnemonic: reported at run time
  Halt,
  Report,   // EI, DI, RIM, SIM: a message and nothing else; `a` holds the ReportKind
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

// 8-bit operands in the 8085's own register order; M is the memory cell at HL.
enum Register : std::uint8_t { RegB, RegC, RegD, RegE, RegH, RegL, RegM, RegA };
// 16-bit operands; the fourth is SP for most instructions and PSW for PUSH and POP.
enum Pair : std::uint8_t { PairBC, PairDE, PairHL, PairSPorPSW };

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

enum ReportKind : std::uint8_t { EnableIntr, DisableIntr, EnableRst, DisableRst };

struct DecodedLine {
  Op op = Op::None;
  std::uint8_t a = 0;
  std::uint8_t b = 0;
  int value = 0;
};

// Takes one program line apart with the rules of the source lexicon: mnemonic, register and
// label operands from the upper-cased line, numbers from the trimmed line as written. Jump, call
// and RST targets are looked up in labels; lineCount bounds them, so a table that belongs to
// another text cannot send the run outside this one.
DecodedLine DecodeLine(std::string_view line, const LabelTable& labels, int lineCount);

}  // namespace kwarcyt
