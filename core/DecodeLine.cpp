#include <array>
#include <string>

#include "DecodedLine.h"
#include "Mojefunkcje.h"

namespace kwarcyt {
namespace {

// The checker never lets a line with an operand that names no register, no valid number or no
// label reach a run. Should one arrive anyway, doing nothing is the only harmless reading: a
// guessed register or value would change the machine in a way the text does not say.
constexpr DecodedLine kNothing{};

int RegisterOf(std::string_view name) {
  static constexpr std::array<std::string_view, 8> kNames = {"B", "C", "D", "E",
                                                             "H", "L", "M", "A"};
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (kNames[i] == name) return static_cast<int>(i);
  }
  return -1;
}

// fourth is "SP" for the pair instructions and "PSW" for PUSH and POP; "" allows B and D only.
int PairOf(std::string_view name, std::string_view fourth) {
  if (name == "B") return PairBC;
  if (name == "D") return PairDE;
  if (fourth.empty()) return -1;
  if (name == "H") return PairHL;
  if (name == fourth) return PairSPorPSW;
  return -1;
}

// clang-format off
Condition ConditionOf(Mnemonic m) {
  using enum Mnemonic;
  switch (m) {
    case JZ: case CZ: case RZ: return IfZero;
    case JNZ: case CNZ: case RNZ: return IfNotZero;
    case JP: case CP: case RP: return IfPlus;
    case JM: case CM: case RM: return IfMinus;
    case JC: case CC: case RC: return IfCarry;
    case JNC: case CNC: case RNC: return IfNoCarry;
    case JPE: case CPE: case RPE: return IfParityEven;
    case JPO: case CPO: case RPO: return IfParityOdd;
    default: return Always;
  }
}
// clang-format on

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

DecodedLine WithPair(Op op, std::string_view name, std::string_view fourth) {
  const int p = PairOf(name, fourth);
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

DecodedLine WithTarget(Op op, Mnemonic m, int target) {
  if (target < 0) return kNothing;  // a missing label: the jump or call does nothing
  return {op, ConditionOf(m), 0, target};
}

}  // namespace

DecodedLine DecodeLine(std::string_view line, const LabelTable& labels, int lineCount) {
  const std::string_view written = Trim(line);
  const std::string upper = NormalizeLine(line);
  const LineParts parts = SplitLine(upper);
  if (parts.mnemonic.empty()) return kNothing;  // label, comment or blank line
  const int found = FindMnemonic(parts.mnemonic);
  if (found < 0) return {Op::Unknown};
  // Both copies have the same length, so they split at the same places.
  const LineParts numbers = SplitLine(written);

  using enum Mnemonic;
  const Mnemonic m = static_cast<Mnemonic>(found);
  // clang-format off
  switch (m) {
    case NOP: return kNothing;
    case HLT: return {Op::Halt};
    case EI: return {Op::Report, EnableIntr};
    case DI: return {Op::Report, DisableIntr};
    case RIM: return {Op::Report, EnableRst};
    case SIM: return {Op::Report, DisableRst};

    case MOV: return WithTwoRegisters(Op::Mov, parts.first, parts.second);
    case MVI: return WithNumber(WithRegister(Op::Mvi, parts.first), numbers.second, 255);
    case LXI: return WithNumber(WithPair(Op::Lxi, parts.first, "SP"), numbers.second, 65535);
    case LDA: return WithNumber(Op::Lda, numbers.first, 65535);
    case STA: return WithNumber(Op::Sta, numbers.first, 65535);
    case LHLD: return WithNumber(Op::Lhld, numbers.first, 65535);
    case SHLD: return WithNumber(Op::Shld, numbers.first, 65535);
    case LDAX: return WithPair(Op::Ldax, parts.first, "");
    case STAX: return WithPair(Op::Stax, parts.first, "");
    case XCHG: return {Op::Xchg};

    case ADD: return WithRegister(Op::Add, parts.first);
    case ADC: return WithRegister(Op::Adc, parts.first);
    case SUB: return WithRegister(Op::Sub, parts.first);
    case SBB: return WithRegister(Op::Sbb, parts.first);
    case CMP: return WithRegister(Op::Cmp, parts.first);
    case ANA: return WithRegister(Op::Ana, parts.first);
    case XRA: return WithRegister(Op::Xra, parts.first);
    case ORA: return WithRegister(Op::Ora, parts.first);
    case ADI: return WithNumber(Op::Adi, numbers.first, 255);
    case ACI: return WithNumber(Op::Aci, numbers.first, 255);
    case SUI: return WithNumber(Op::Sui, numbers.first, 255);
    case SBI: return WithNumber(Op::Sbi, numbers.first, 255);
    case CPI: return WithNumber(Op::Cpi, numbers.first, 255);
    case ANI: return WithNumber(Op::Ani, numbers.first, 255);
    case XRI: return WithNumber(Op::Xri, numbers.first, 255);
    case ORI: return WithNumber(Op::Ori, numbers.first, 255);
    case INR: return WithRegister(Op::Inr, parts.first);
    case DCR: return WithRegister(Op::Dcr, parts.first);
    case INX: return WithPair(Op::Inx, parts.first, "SP");
    case DCX: return WithPair(Op::Dcx, parts.first, "SP");
    case DAD: return WithPair(Op::Dad, parts.first, "SP");
    case DAA: return {Op::Daa};
    case RLC: return {Op::Rlc};
    case RRC: return {Op::Rrc};
    case RAL: return {Op::Ral};
    case RAR: return {Op::Rar};
    case CMA: return {Op::Cma};
    case CMC: return {Op::Cmc};
    case STC: return {Op::Stc};

    case JMP: case JZ: case JNZ: case JP: case JM: case JC: case JNC: case JPE: case JPO:
      return WithTarget(Op::Jump, m, TargetLine(labels, parts.first, lineCount));
    case CALL: case CZ: case CNZ: case CP: case CM: case CC: case CNC: case CPE: case CPO:
      return WithTarget(Op::Call, m, TargetLine(labels, parts.first, lineCount));
    case RET: case RZ: case RNZ: case RP: case RM: case RC: case RNC: case RPE: case RPO:
      return {Op::Return, ConditionOf(m)};
    case RST: {
      const int n = ParseNumber(numbers.first, 7);
      if (n < 0) return kNothing;
      // Nothing is pushed: RST is a plain jump to the label RST_n.
      return WithTarget(Op::Rst, m, TargetLine(labels, "RST_" + std::to_string(n), lineCount));
    }
    case PCHL: return {Op::Pchl};
    case SPHL: return {Op::Sphl};
    case XTHL: return {Op::Xthl};
    case PUSH: return WithPair(Op::Push, parts.first, "PSW");
    case POP: return WithPair(Op::Pop, parts.first, "PSW");
    case IN: return WithNumber(Op::In, numbers.first, 255);
    case OUT: return WithNumber(Op::Out, numbers.first, 255);
  }
  // clang-format on
  return kNothing;
}

}  // namespace kwarcyt
