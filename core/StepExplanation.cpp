#include "StepExplanation.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <ranges>
#include <vector>

#include "MachineFields.h"
#include "checker/Operands.h"
#include "internal/FlagReasons.h"
#include "internal/StepExecution.h"

namespace kwarcyt {
namespace {

// Records what the interpreter's step says about itself while it runs.
struct Recorder {
  void Flag(FlagId flag, int value, FlagRule rule, int x = 0, int y = 0, int z = 0) {
    notes.push_back({flag, value, rule, x, y, z});
  }
  void Arithmetic(int operandSeen, int resultSeen) {
    operand = operandSeen;
    result = resultSeen;
  }
  void Condition(bool held) { holds = held; }

  std::vector<FlagNote> notes;
  int operand = 0;
  int result = 0;
  std::optional<bool> holds;
};

constexpr std::array<int MachineState::*, 5> kFlagMembers{
    FieldNamed("S").member, FieldNamed("Z").member, FieldNamed("AC").member, FieldNamed("P").member,
    FieldNamed("CY").member};

struct ConditionText {
  const char* suffix;
  FlagId flag;
  int wanted;
};

// By Condition; Always has no test.
constexpr std::array<ConditionText, 9> kConditions{{{"", FlagId::Z, 0},
                                                    {"Z", FlagId::Z, 1},
                                                    {"NZ", FlagId::Z, 0},
                                                    {"P", FlagId::S, 0},
                                                    {"M", FlagId::S, 1},
                                                    {"C", FlagId::CY, 1},
                                                    {"NC", FlagId::CY, 0},
                                                    {"PE", FlagId::P, 1},
                                                    {"PO", FlagId::P, 0}}};

constexpr std::array<const char*, 4> kPairNames{"BC", "DE", "HL", "SP"};

std::string Number(std::int64_t value) {
  return std::to_string(value);
}

// What one step did, seen from both sides.
struct Seen {
  const MachineState& before;
  const MachineState& after;
  const DecodedLine& line;
  const Recorder& recorder;
  RunEnd outcome;
  const ErrorList& messages;
  const std::string& instruction;

  int Register(std::uint8_t reg, const MachineState& m) const {
    if ((reg & 7) == RegM) return m.Memory[static_cast<std::size_t>(before.HL())];
    return m.*kRegisterFields[reg & 7];
  }
  // "B", or "M [2000h]" for the cell at HL.
  std::string Name(std::uint8_t reg) const {
    if ((reg & 7) == RegM) return "M [" + WordHex(before.HL()) + "]";
    return std::string(kMachineRegisters[reg & 7]);
  }
  int Pair(std::uint8_t pair, const MachineState& m) const {
    const std::array<int, 4> values{m.BC(), m.DE(), m.HL(), m.SP};
    return values[pair & 3];
  }
  int Cell(int address) const { return after.Memory[static_cast<std::size_t>(address & 0xFFFF)]; }
  std::string CellText(int address) const {
    return "[" + WordHex(address & 0xFFFF) + "] = " + ByteHex(Cell(address));
  }
};

std::string Arithmetic(const Seen& s, const std::string& operandName, int operandValue,
                       const char* sign, bool withCarry) {
  const int a = s.before.A;
  std::string text = "A = A " + std::string(sign) + " " + operandName;
  if (withCarry) text += " " + std::string(sign) + " CY";
  text += " = " + ByteHex(a) + " " + sign + " " + ByteHex(operandValue);
  if (withCarry) text += " " + std::string(sign) + " " + Number(s.before.CY);
  const int exact = *sign == '+' ? a + s.recorder.operand : a - s.recorder.operand;
  if (exact < 0)
    return text + " = −" + ByteHex(-exact) + ", w A zostaje " + ByteHex(s.recorder.result);
  if (exact > 255)
    return text + " = " + ByteHex(exact) + ", w A zostaje " + ByteHex(s.recorder.result);
  return text + " = " + ByteHex(s.recorder.result);
}

std::string Compare(const Seen& s, const std::string& operandName, int operandValue) {
  return "porównanie: A − " + operandName + " = " + ByteHex(s.before.A) + " − " +
         ByteHex(operandValue) + " daje " + ByteHex(s.recorder.result) + "; A zostaje " +
         ByteHex(s.after.A);
}

std::string Logic(const Seen& s, const char* operation, const std::string& operandName,
                  int operandValue) {
  return "A = A " + std::string(operation) + " " + operandName + " = " + ByteHex(s.before.A) + " " +
         operation + " " + ByteHex(operandValue) + " = " + ByteHex(s.after.A);
}

std::string Condition(const Seen& s) {
  const ConditionText& c = kConditions[s.line.a % kConditions.size()];
  if (c.suffix[0] == '\0') return {};
  const int actual = s.before.*kFlagMembers[static_cast<std::size_t>(c.flag)];
  return std::string("warunek ") + c.suffix + " (" + FlagName(c.flag) + "=" + Number(c.wanted) +
         (s.recorder.holds.value_or(false) ? ") spełniony" : ") niespełniony") + ", bo " +
         FlagName(c.flag) + "=" + Number(actual) + ": ";
}

std::string NextLine(const Seen& s) {
  return "dalej wiersz " + Number(s.after.PC);
}

std::string Control(const Seen& s) {
  const bool went = s.recorder.holds.value_or(false);
  switch (s.line.op) {
    case Op::Jump:
      return Condition(s) +
             (went ? "skok do wiersza etykiety " + Number(s.line.value) + ", " : "bez skoku, ") +
             NextLine(s);
    case Op::Call:
      return Condition(s) +
             (went ? "na stos odłożono adres powrotu " + Number(s.before.PC + 1) +
                         ", skok do wiersza etykiety " + Number(s.line.value) + ", "
                   : "bez wywołania, ") +
             NextLine(s);
    case Op::Return:
      if (s.outcome == RunEnd::RuntimeError) {
        return Condition(s) + "adres zdjęty ze stosu leży poza programem";
      }
      return Condition(s) +
             (went ? "ze stosu zdjęto adres powrotu " + Number(s.after.PC) + ", "
                   : "bez powrotu, ") +
             NextLine(s);
    case Op::Rst:
      return "skok do wiersza " + Number(s.line.value) + " z etykietą " +
             RoutineLabel(ParseNumber(SplitLine(s.instruction).first, kRoutineMaximum)) +
             ", na stos nic nie odłożono, " + NextLine(s);
    case Op::Pchl:
      if (s.outcome == RunEnd::RuntimeError)
        return "HL = " + Number(s.before.HL()) + " leży poza programem";
      return "skok pod wiersz HL = " + Number(s.before.HL()) + ", " + NextLine(s);
    default:
      return {};
  }
}

std::string Stack(const Seen& s) {
  const std::uint8_t p = s.line.a & 3;
  const bool psw = p == PairSPorPSW;
  switch (s.line.op) {
    case Op::Push:
      return "na stos odłożono " +
             (psw ? "A = " + ByteHex(s.before.A) + " i bajt flag = " + ByteHex(FlagByte(s.before))
                  : std::string(kPairNames[p]) + " = " + WordHex(s.Pair(p, s.before))) +
             ": " + s.CellText(s.after.SP + 1) + ", " + s.CellText(s.after.SP) +
             ", SP = " + WordHex(s.after.SP);
    case Op::Pop:
      return "ze stosu zdjęto " +
             (psw ? "bajt flag " + ByteHex(s.before.Memory[static_cast<std::size_t>(s.before.SP)]) +
                        " i A = " + ByteHex(s.after.A)
                  : std::string(kPairNames[p]) + " = " + WordHex(s.Pair(p, s.after))) +
             ", SP = " + WordHex(s.after.SP);
    case Op::Sphl:
      return "SP = HL = " + WordHex(s.after.SP);
    case Op::Xthl:
      return "L wymienione z [SP], H z [SP+1]: HL = " + WordHex(s.after.HL()) + ", " +
             s.CellText(s.before.SP) + ", " + s.CellText(s.before.SP + 1);
    default:
      return {};
  }
}

std::string Transfer(const Seen& s) {
  const DecodedLine& l = s.line;
  switch (l.op) {
    case Op::Mov:
      return s.Name(l.a) + " = " + s.Name(l.b) + " = " + ByteHex(s.Register(l.a, s.after));
    case Op::Mvi:
      return s.Name(l.a) + " = " + ByteHex(s.Register(l.a, s.after));
    case Op::Lxi:
      return std::string(kPairNames[l.a & 3]) + " = " + WordHex(s.Pair(l.a, s.after));
    case Op::Lda:
      return "A = [" + WordHex(l.value) + "] = " + ByteHex(s.after.A);
    case Op::Sta:
      return s.CellText(l.value) + " (z A)";
    case Op::Lhld:
      return "L = [" + WordHex(l.value) + "] = " + ByteHex(s.after.L) + ", H = [" +
             WordHex((l.value + 1) & 0xFFFF) + "] = " + ByteHex(s.after.H);
    case Op::Shld:
      return s.CellText(l.value) + " (z L), " + s.CellText(l.value + 1) + " (z H)";
    case Op::Ldax:
      return "A = [" + std::string(kPairNames[l.a & 1]) + "] = [" + WordHex(s.Pair(l.a, s.before)) +
             "] = " + ByteHex(s.after.A);
    case Op::Stax:
      return s.CellText(s.Pair(l.a, s.before)) + " (z A, adres w " + kPairNames[l.a & 1] + ")";
    case Op::Xchg:
      return "DE i HL zamienione: DE = " + WordHex(s.after.DE()) +
             ", HL = " + WordHex(s.after.HL());
    case Op::In:
      return "A = port wejściowy " + ByteHex(l.value) + " = " + ByteHex(s.after.A);
    case Op::Out:
      return "port wyjściowy " + ByteHex(l.value) + " = A = " + ByteHex(s.after.A);
    default:
      return Stack(s);
  }
}

std::string Calculation(const Seen& s) {
  const DecodedLine& l = s.line;
  const std::string reg = s.Name(l.a);
  const int regValue = s.Register(l.a, s.before);
  const std::string number = ByteHex(l.value);
  switch (l.op) {
    case Op::Add:
      return Arithmetic(s, reg, regValue, "+", false);
    case Op::Adc:
      return Arithmetic(s, reg, regValue, "+", true);
    case Op::Sub:
      return Arithmetic(s, reg, regValue, "−", false);
    case Op::Sbb:
      return Arithmetic(s, reg, regValue, "−", true);
    case Op::Adi:
      return Arithmetic(s, number, l.value, "+", false);
    case Op::Aci:
      return Arithmetic(s, number, l.value, "+", true);
    case Op::Sui:
      return Arithmetic(s, number, l.value, "−", false);
    case Op::Sbi:
      return Arithmetic(s, number, l.value, "−", true);
    case Op::Cmp:
      return Compare(s, reg, regValue);
    case Op::Cpi:
      return Compare(s, number, l.value);
    case Op::Ana:
      return Logic(s, "AND", reg, regValue);
    case Op::Xra:
      return Logic(s, "XOR", reg, regValue);
    case Op::Ora:
      return Logic(s, "OR", reg, regValue);
    case Op::Ani:
      return Logic(s, "AND", number, l.value);
    case Op::Xri:
      return Logic(s, "XOR", number, l.value);
    case Op::Ori:
      return Logic(s, "OR", number, l.value);
    case Op::Inr:
      return reg + " = " + reg + " + 1 = " + ByteHex(regValue) +
             " + 1 = " + ByteHex(s.Register(l.a, s.after));
    case Op::Dcr:
      return reg + " = " + reg + " − 1 = " + ByteHex(regValue) +
             " − 1 = " + ByteHex(s.Register(l.a, s.after));
    case Op::Inx:
    case Op::Dcx: {
      const std::string pair = kPairNames[l.a & 3];
      const char* sign = l.op == Op::Inx ? " + 1" : " − 1";
      return pair + " = " + pair + sign + " = " + WordHex(s.Pair(l.a, s.before)) + sign + " = " +
             WordHex(s.Pair(l.a, s.after));
    }
    case Op::Dad:
      return "HL = HL + " + std::string(kPairNames[l.a & 3]) + " = " + WordHex(s.before.HL()) +
             " + " + WordHex(s.Pair(l.a, s.before)) + " = " + WordHex(s.after.HL()) +
             (s.after.CY == 1 ? " (z przeniesieniem poza FFFFh)" : "");
    case Op::Daa:
      if (s.recorder.operand == 0) return "A = " + ByteHex(s.after.A) + " bez korekcji";
      return "korekcja dziesiętna: A = " + ByteHex(s.before.A) + " + " +
             ByteHex(s.recorder.operand) + " = " + ByteHex(s.after.A) +
             (s.before.A + s.recorder.operand > 255 ? " (z przeniesieniem poza FFh)" : "");
    case Op::Rlc:
      return "A przesunięte w lewo, bit 7 wchodzi na bit 0: A = " + ByteHex(s.after.A);
    case Op::Rrc:
      return "A przesunięte w prawo, bit 0 wchodzi na bit 7: A = " + ByteHex(s.after.A);
    case Op::Ral:
      return "A przesunięte w lewo przez CY (stare CY na bit 0): A = " + ByteHex(s.after.A);
    case Op::Rar:
      return "A przesunięte w prawo przez CY (stare CY na bit 7): A = " + ByteHex(s.after.A);
    case Op::Cma:
      return "A = NOT A = NOT " + ByteHex(s.before.A) + " = " + ByteHex(s.after.A);
    case Op::Cmc:
      return "CY = NOT CY = " + Number(s.after.CY);
    case Op::Stc:
      return "CY = 1";
    default:
      return Transfer(s);
  }
}

std::string Sentence(const Seen& s) {
  switch (s.line.op) {
    case Op::None:
      return "rozkaz nic nie robi";
    case Op::Unknown:
      return "nieznany rozkaz: przebieg zatrzymany";
    case Op::Halt:
      return "procesor zatrzymany, przebieg się kończy, PC zostaje na tym wierszu";
    case Op::Ei:
    case Op::Di:
    case Op::Rim:
    case Op::Sim:
      return "symulator nie ma przerwań, więc tylko zgłasza to na liście błędów";
    case Op::Jump:
    case Op::Call:
    case Op::Return:
    case Op::Rst:
    case Op::Pchl:
      return Control(s);
    default:
      return Calculation(s);
  }
}

std::string SignedText(int value) {
  return value < 0 ? "−" + Number(-value) : Number(value);
}

int Signed(int byte) {
  return byte > 127 ? byte - 256 : byte;
}

// What the numbers mean to the student: the relation a comparison tested, and a signed result
// that no longer fits in a byte.
std::string Reading(const Seen& s) {
  const Op op = s.line.op;
  const int a = s.before.A;
  if (op == Op::Cmp || op == Op::Cpi) {
    const int v = s.recorder.operand;
    const auto [relation, sign] = a > v    ? std::pair{"większe od argumentu", " > "}
                                  : a == v ? std::pair{"równe argumentowi", " = "}
                                           : std::pair{"mniejsze od argumentu", " < "};
    std::string text = "Porównanie liczb bez znaku: A jest " + std::string(relation) + " (" +
                       Number(a) + sign + Number(v) + ")\n";
    if (s.after.CY == 1 && a >= v) {
      text += "CY=1 nie oznacza tu, że A < " + Number(v) +
              ": w tym symulatorze porównanie z zerem zawsze ustawia CY\n";
    }
    return text;
  }
  const bool adds = op == Op::Add || op == Op::Adc || op == Op::Adi || op == Op::Aci;
  const bool subtracts = op == Op::Sub || op == Op::Sbb || op == Op::Sui || op == Op::Sbi;
  if (!adds && !subtracts) return {};
  const bool immediate = op == Op::Adi || op == Op::Aci || op == Op::Sui || op == Op::Sbi;
  const int operand = Signed(immediate ? s.line.value : s.Register(s.line.a, s.before));
  const bool withCarry = op == Op::Adc || op == Op::Aci || op == Op::Sbb || op == Op::Sbi;
  const int carry = withCarry ? s.before.CY : 0;
  const int exact = Signed(a) + (adds ? operand + carry : -operand - carry);
  if (exact >= -128 && exact <= 127) return {};
  const char* sign = adds ? " + " : " − ";
  return "Liczby ze znakiem: " + SignedText(Signed(a)) + sign +
         (operand < 0 ? "(" + SignedText(operand) + ")" : SignedText(operand)) +
         (withCarry ? sign + Number(carry) + " (CY)" : "") + " = " + SignedText(exact) +
         ", wynik ze znakiem przekroczył zakres −128..127\n";
}

// Under this simulator's rules: the flags the 8085 would have set otherwise in the same step, with
// the processor's reasons, from the same step run on a copy under the processor's rules.
std::string ProcessorDifferences(const Seen& s, const Program& program) {
  if (s.before.FlagRuleSet != FlagRules::Kwarcyt) return {};
  auto other = std::make_unique<MachineState>(s.before);
  other->FlagRuleSet = FlagRules::Processor8085;
  Recorder recorder;
  ErrorList messages;
  step::ExecuteStep(*other, program, messages, recorder);
  std::string differences;
  for (std::size_t i = 0; i < kFlagMembers.size(); ++i) {
    if (s.after.*kFlagMembers[i] == (*other).*kFlagMembers[i]) continue;
    // The last rule that set the flag gave it its value.
    const auto note = std::ranges::find(recorder.notes | std::views::reverse,
                                        static_cast<FlagId>(i), &FlagNote::flag);
    if (note == recorder.notes.rend()) continue;
    differences += (differences.empty() ? "" : "; ") + FlagReason(*note);
  }
  return differences.empty() ? std::string()
                             : "Na prawdziwym procesorze 8085: " + differences + "\n";
}

void AddFlags(const Seen& s, std::string& text) {
  std::array<bool, 5> set{};
  for (const FlagNote& note : s.recorder.notes) set[static_cast<std::size_t>(note.flag)] = true;
  if (!s.recorder.notes.empty()) {
    // In the order of the flag register, whatever order the rules were applied in.
    std::vector<FlagNote> notes = s.recorder.notes;
    std::ranges::stable_sort(notes, {}, &FlagNote::flag);
    text += s.before.FlagRuleSet == FlagRules::Processor8085
                ? "Flagi ustawione przez rozkaz (reguły procesora 8085):\n"
                : "Flagi ustawione przez rozkaz:\n";
    for (const FlagNote& note : notes) text += "  " + FlagReason(note) + "\n";
  }
  std::string untouched;
  for (std::size_t i = 0; i < set.size(); ++i) {
    if (set[i]) continue;
    if (!untouched.empty()) untouched += ", ";
    untouched += FlagName(static_cast<FlagId>(i));
  }
  text += untouched.empty() ? std::string()
                            : "Flagi bez zmian (rozkaz ich nie dotyka): " + untouched + "\n";
}

void AddChanges(const Seen& s, std::string& text) {
  std::string changes;
  const auto change = [&](const std::string& name, const std::string& from, const std::string& to) {
    changes += "  " + name + ": " + from + " → " + to + "\n";
  };
  for (const MachineField& field : ByteRegisterFields()) {
    const int from = field.read(s.before);
    const int to = field.read(s.after);
    if (from != to) change(field.name, ByteHex(from), ByteHex(to));
  }
  if (s.before.SP != s.after.SP) change("SP", WordHex(s.before.SP), WordHex(s.after.SP));
  for (std::size_t i = 0; i < s.after.Memory.size(); ++i) {
    if (s.before.Memory[i] == s.after.Memory[i]) continue;
    change("Pamięć [" + WordHex(static_cast<int>(i)) + "]", ByteHex(s.before.Memory[i]),
           ByteHex(s.after.Memory[i]));
  }
  for (std::size_t i = 0; i < s.after.OutputPorts.size(); ++i) {
    if (s.before.OutputPorts[i] == s.after.OutputPorts[i]) continue;
    change("Port wyjściowy [" + ByteHex(static_cast<int>(i)) + "]",
           ByteHex(s.before.OutputPorts[i]), ByteHex(s.after.OutputPorts[i]));
  }
  text += changes.empty() ? "Rejestry, pamięć i porty bez zmian\n" : "Zmiany:\n" + changes;
}

std::string ClockText(const Seen& s) {
  const std::uint64_t spent = s.after.TStates - s.before.TStates;
  std::string text = "Takty: " + Number(static_cast<std::int64_t>(spent));
  if (s.outcome == RunEnd::RuntimeError) return text + " (krok zakończony błędem)\n";
  if (s.recorder.holds.has_value() &&
      kConditions[s.line.a % kConditions.size()].suffix[0] != '\0') {
    text += *s.recorder.holds ? " (warunek spełniony)" : " (warunek niespełniony)";
  }
  return text + ", razem " + Number(static_cast<std::int64_t>(s.after.TStates)) + "\n";
}

}  // namespace

std::string ExplainStep(const MachineState& before, const Program& program) {
  const int pc = before.PC;
  if (pc < 0 || pc >= program.LineCount()) return "Brak wiersza do wykonania.\n";
  auto after = std::make_unique<MachineState>(before);
  Recorder recorder;
  ErrorList messages;
  const RunEnd outcome = step::ExecuteStep(*after, program, messages, recorder);
  const std::string instruction = program.InstructionText(pc);
  const Seen seen{before,     *after,  program.DecodedLines()[static_cast<std::size_t>(pc)],
                  recorder,   outcome, messages,
                  instruction};

  std::string text = "Wiersz " + Number(pc) + ": " +
                     std::string(Trim(program.Lines()[static_cast<std::size_t>(pc)])) + "\n";
  // Label, comment and blank lines decode to nothing that takes time; NOP takes 4 states.
  const bool noInstruction = seen.line.op == Op::None && seen.line.clock == 0;
  text += noInstruction
              ? "Wiersz bez rozkazu (etykieta, komentarz lub pusty wiersz): nic nie wykonano\n"
              : instruction + ": " + Sentence(seen) + "\n";
  text += Reading(seen);
  AddFlags(seen, text);
  text += ProcessorDifferences(seen, program);
  AddChanges(seen, text);
  for (const std::string& message : messages) text += "Komunikat: " + message + "\n";
  if (outcome == RunEnd::EndOfProgram) {
    text += "Program przeszedł za ostatni wiersz: PC = 0, przebieg się kończy\n";
  }
  return text + ClockText(seen);
}

std::string NoStepToExplain(bool afterHandEdit) {
  return afterHandEdit ? "Historia kroków zaczyna się od ręcznej zmiany wartości."
                       : "Nie wykonano jeszcze żadnego kroku.";
}

}  // namespace kwarcyt
