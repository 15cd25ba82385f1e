#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "DecodedLine.h"
#include "checker/Mojefunkcje.h"
#include "checker/Operands.h"

namespace kwarcyt {
namespace {

// The checker never lets a line with an operand that names no register, no valid number or no
// label reach a run. Should one arrive anyway, doing nothing is the only harmless reading: a
// guessed register or value would change the machine in a way the text does not say.
constexpr DecodedLine kNothing{};

// The position of the word in the set, or -1.
int IndexIn(std::span<const std::string_view> set, std::string_view word) {
  const auto found = std::ranges::find(set, word);
  return found == set.end() ? -1 : static_cast<int>(found - set.begin());
}

int RegisterOf(std::string_view name) {
  return IndexIn(kMachineRegisters, name);
}

DecodedLine WithRegister(Op op, std::string_view name) {
  const int r = RegisterOf(name);
  if (r < 0) return kNothing;
  return {op, static_cast<std::uint8_t>(r)};
}

DecodedLine WithTwoRegisters(Op op, std::string_view first, std::string_view second) {
  const int to = RegisterOf(first);
  const int from = RegisterOf(second);
  if (to < 0 || from < 0) return kNothing;
  return {op, static_cast<std::uint8_t>(to), static_cast<std::uint8_t>(from)};
}

DecodedLine WithPair(Op op, std::string_view name, std::span<const std::string_view> set) {
  const int p = IndexIn(set, name);
  if (p < 0) return kNothing;
  return {op, static_cast<std::uint8_t>(p)};
}

DecodedLine WithNumber(DecodedLine decoded, std::string_view written, int maximum) {
  const int v = ParseNumber(written, maximum);
  if (decoded.op == Op::None || v < 0) return kNothing;
  decoded.value = v;
  return decoded;
}

DecodedLine WithNumber(Op op, std::string_view written, int maximum) {
  return WithNumber(DecodedLine{op}, written, maximum);
}

// A target outside the program (a table that belongs to another text) counts as missing.
int TargetLine(const LabelTable& labels, std::string_view name, int lineCount) {
  const int line = labels.FindLabel(name);
  return line < lineCount ? line : -1;
}

DecodedLine WithTarget(Op op, Condition condition, int target) {
  if (target < 0) return kNothing;  // a missing label: the jump or call does nothing
  return {op, condition, 0, target};
}

// The operands of a line whose mnemonic is that of the instruction row.
DecodedLine DecodeOperands(const InstructionInfo* instruction, const LineParts& parts,
                           const LineParts& numbers, const LabelTable& labels, int lineCount) {
  const Op op = instruction->op;
  using enum InstructionClass;
  switch (instruction->operands) {
    case NoOperand:
      return {op, instruction->condition};
    case Register:
      return WithRegister(op, parts.first);
    case Byte:
      return WithNumber(op, numbers.first, kByteMaximum);
    case Address:
      return WithNumber(op, numbers.first, kWordMaximum);
    case Pair:
      return WithPair(op, parts.first, kPairRegisters);
    case Indirect:
      return WithPair(op, parts.first, kIndirectRegisters);
    case Stack:
      return WithPair(op, parts.first, kStackRegisters);
    case Lxi:
      return WithNumber(WithPair(op, parts.first, kPairRegisters), numbers.second, kWordMaximum);
    case Mov:
      return WithTwoRegisters(op, parts.first, parts.second);
    case Mvi:
      return WithNumber(WithRegister(op, parts.first), numbers.second, kByteMaximum);
    case Jump:
      return WithTarget(op, instruction->condition, TargetLine(labels, parts.first, lineCount));
    case Rst: {
      const int n = ParseNumber(numbers.first, kRoutineMaximum);
      if (n < 0) return kNothing;
      // Nothing is pushed: RST is a plain jump to the label RST_n.
      DecodedLine decoded =
          WithTarget(op, instruction->condition, TargetLine(labels, RoutineLabel(n), lineCount));
      decoded.b = static_cast<std::uint8_t>(n);  // for its opcode
      return decoded;
    }
  }
  return kNothing;
}

DecodedLine WithClock(DecodedLine decoded, const InstructionInfo& instruction) {
  // A line that decodes to nothing does nothing and takes no time; NOP is the one instruction
  // that does nothing on purpose.
  if (decoded.op == Op::None && instruction.op != Op::None) return decoded;
  decoded.row = static_cast<std::uint8_t>(&instruction - kInstructions);
  const ClockStates clock = instruction.clock;
  if (TakesCondition(instruction)) {
    decoded.clock = clock.usual;
    decoded.clockTaken = clock.withMemoryOrTaken;
  } else {
    decoded.clock =
        NamesMemory(decoded, instruction.operands) ? clock.withMemoryOrTaken : clock.usual;
    decoded.clockTaken = decoded.clock;
  }
  return decoded;
}

}  // namespace

bool NamesMemory(const DecodedLine& decoded, InstructionClass operands) {
  using enum InstructionClass;
  switch (operands) {
    case Register:
    case Mvi:
      return decoded.a == RegM;
    case Mov:
      return decoded.a == RegM || decoded.b == RegM;
    default:
      return false;
  }
}

DecodedLine DecodeLine(std::string_view line, const LabelTable& labels, int lineCount) {
  const std::string_view written = Trim(line);
  const std::string upper = NormalizeLine(line);
  const LineParts parts = SplitLine(upper);
  if (parts.mnemonic.empty()) return kNothing;  // label, comment or blank line
  const InstructionInfo* instruction = FindInstruction(parts.mnemonic);
  if (instruction == nullptr) return {Op::Unknown};
  // Both copies have the same length, so they split at the same places.
  const LineParts numbers = SplitLine(written);
  return WithClock(DecodeOperands(instruction, parts, numbers, labels, lineCount), *instruction);
}

}  // namespace kwarcyt
