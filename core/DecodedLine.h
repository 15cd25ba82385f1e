// The compact form of one program line: taken apart once when a run starts, so that a step is a
// switch on an enum instead of text comparisons.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "checker/InstructionSet.h"
#include "checker/LabelTable.h"
#include "checker/Operands.h"

namespace kwarcyt {

// 8-bit operands in the 8085's own register order; M is the memory cell at HL.
enum Register : std::uint8_t { RegB, RegC, RegD, RegE, RegH, RegL, RegM, RegA };
// The words of the source language in that order: the 8085 numbers the registers as students
// see them listed, with A moved from the front to the end.
inline constexpr std::array<std::string_view, kByteRegisters.size()> kMachineRegisters = [] {
  std::array<std::string_view, kByteRegisters.size()> words{};
  std::ranges::rotate_copy(kByteRegisters, kByteRegisters.begin() + 1, words.begin());
  return words;
}();
static_assert(kMachineRegisters[RegB] == "B" && kMachineRegisters[RegM] == "M" &&
              kMachineRegisters[RegA] == "A");
// 16-bit operands, in the order of the pair words; the fourth is SP for most instructions and
// PSW for PUSH and POP.
enum Pair : std::uint8_t { PairBC, PairDE, PairHL, PairSPorPSW };
static_assert(kPairRegisters[PairHL] == "H" && kStackRegisters[PairSPorPSW] == "PSW");

// DecodedLine::row of a line that executes no instruction.
inline constexpr std::uint8_t kNoInstruction = 0xFF;
static_assert(std::size(kInstructions) < kNoInstruction);

struct DecodedLine {
  Op op = Op::None;
  std::uint8_t a = 0;
  // MOV's source register; RST's number.
  std::uint8_t b = 0;
  int value = 0;
  // Clock states of the step: `clock` when a condition does not hold (and for every other
  // instruction), `clockTaken` when it does. Label, comment and blank lines take none.
  std::uint8_t clock = 0;
  std::uint8_t clockTaken = 0;
  // The line's row in kInstructions, or kNoInstruction for a label, comment or blank line, an
  // unknown mnemonic and operands that name nothing usable: such a line has no machine code.
  std::uint8_t row = kNoInstruction;
};

// Whether M is an operand of the decoded line of that class: the step then takes the row's
// second clock count and cycles.
bool NamesMemory(const DecodedLine& decoded, InstructionClass operands);

// Takes one program line apart with the rules of the source lexicon: mnemonic, register and
// label operands from the upper-cased line, numbers from the trimmed line as written. Jump, call
// and RST targets are looked up in labels; lineCount bounds them, so a table that belongs to
// another text cannot send the run outside this one.
DecodedLine DecodeLine(std::string_view line, const LabelTable& labels, int lineCount);

}  // namespace kwarcyt
