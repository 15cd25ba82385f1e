#include "InstructionList.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "checker/InstructionSet.h"
#include "checker/Operands.h"

namespace kwarcyt {

namespace {

// Where the rows of an instruction stand in the list.
enum class Placement {
  NewGroup,   // after an empty line
  SameGroup,  // straight after the rows of the instruction above
  AsAbove,    // in the group and in the words of the instruction above
};

// How the list describes an instruction. In the explanation and the operation "%1" stands for the
// operand of each row ("A" ... "RAM[HL]", "[v]", "BC" ... "SP", "08h") and "%2" for the source of
// MOV. An entry that names an operand ("POP PSW") describes that one row in words of its own.
struct Description {
  std::string_view instruction;
  Placement placement;
  char flagClass = 'N';
  std::string_view explanation = {};
  std::string_view operation = {};
};

constexpr Description Opens(std::string_view instruction, char flagClass,
                            std::string_view explanation, std::string_view operation = {}) {
  return {instruction, Placement::NewGroup, flagClass, explanation, operation};
}
constexpr Description Joins(std::string_view instruction, char flagClass,
                            std::string_view explanation, std::string_view operation = {}) {
  return {instruction, Placement::SameGroup, flagClass, explanation, operation};
}
constexpr Description AsAbove(std::string_view instruction) {
  return {instruction, Placement::AsAbove};
}

// Conditional jumps, calls and returns need none: they join the instruction above and give only
// their condition.
constexpr Description kDescriptions[] = {
    Opens("ADC", 'A', "Dodawanie z przeniesieniem", "A=A+%1+CY"),
    AsAbove("ACI"),
    Opens("ADD", 'A', "Dodawanie bez przeniesiena", "A=A+%1"),
    AsAbove("ADI"),
    Opens("ANA", 'D', "Iloczyn logiczny", "A=A and %1"),
    AsAbove("ANI"),
    Opens("CALL", 'N', "Skok ze śladem", "PC->stos, PC=aa"),
    Opens("CMA", 'N', "Negacja akumulatora", "A=!A"),
    Joins("CMC", 'C', "Negacja flagi CY", "CY=!CY"),
    Opens("CMP", 'A', "Porównanie A i %1"),
    AsAbove("CPI"),
    Opens("DAA", 'A', "Korekcja dziesiętna akumulatora"),
    Opens("DAD", 'C', "Dodawanie 16-bitowe", "HL=HL+%1"),
    Opens("DCR", 'B', "Dekrementacja 8-bitowa", "%1=%1-1"),
    Opens("DCX", 'N', "Dekrementacja 16-bitowa", "%1=%1-1"),
    Opens("DI", 'N', "Zablokowanie przerwania INTR"),
    Joins("EI", 'N', "Odblokowanie przerwania INTR"),
    Opens("HLT", 'N', "Zatrzymanie procesora"),
    Opens("IN", 'N', "Odczyt z portu wejściowego", "A=IN%1"),
    Opens("INR", 'B', "Inkrementacja 8-bitowa", "%1=%1+1"),
    Opens("INX", 'N', "Inkrementacja 16-bitowa", "%1=%1+1"),
    Opens("JMP", 'N', "Skok bez śladu", "PC=aa"),
    Opens("LDA", 'N', "Odczyt z pamięci", "A=RAM[aa]"),
    Joins("LDAX", 'N', "Odczyt z pamięci", "A=RAM[%1]"),
    Joins("LHLD", 'N', "Odczyt z pamięci", "HL=RAM[aa,aa+1]"),
    Opens("LXI", 'N', "Wpisywanie do rejestrów 16-bitow.", "%1=[vv]"),
    Opens("MOV", 'N', "Wymiana danych między rejestrami", "%1=%2"),
    Opens("MVI", 'N', "Wpisywanie do rejestrów 8-bitowych", "%1=[v]"),
    Opens("NOP", 'N', "Brak operacji"),
    Opens("ORA", 'E', "Suma logiczna", "A=A or %1"),
    Opens("ORI", 'E', "Suma logiczna", "A=A or %1"),
    Opens("OUT", 'N', "Zapis do portu wyjściowego", "OUT%1=A"),
    Opens("PCHL", 'N', "Skok pod adres zawarty w HL", "PC=HL"),
    Opens("POP", 'N', "Zdjęcie ze stosu do rejetru", "%1<-stos  SP=SP+2"),
    Joins("POP PSW", 'A', "Zdjęcie ze stosu A i rej.flagowego", "PSW<-stos SP=SP+2"),
    Opens("PUSH", 'N', "Odłożenie rejestru na stos", "SP=SP-2 %1->stos"),
    Joins("PUSH PSW", 'N', "Odłożenie A i rej.flagow. na stos", "SP=SP-2 PSW->stos"),
    Opens("RAL", 'C', "Rotacja CY i A w lewo", "A=<CY+A<"),
    Joins("RAR", 'C', "Rotacja CY i A w prawo", "A=>CY+A>"),
    Joins("RLC", 'C', "Rotacja A w lewo i do CY", "CY=<A  A=<A<"),
    Joins("RRC", 'C', "Rotacja A w prawo i do CY", "CY=A>  A=>A>"),
    Joins("RIM", 'N', "Odblokowanie przerwania RST"),
    Opens("RET", 'N', "Powrót z podprogramu", "PC<-stos"),
    Opens("RST", 'N', "Skok do procedury o adresie %1", "PC=%1"),
    Opens("SBB", 'A', "Odejmowanie z pożyczką", "A=A-%1-CY"),
    AsAbove("SBI"),
    Opens("SHLD", 'N', "Zapis do pamięci", "RAM[aa,aa+1]=HL"),
    Opens("SIM", 'N', "Zablokowanie przerwania RST"),
    Opens("SPHL", 'N', "Wpisz do SP zawartość HL", "SP=HL"),
    Opens("STA", 'N', "Zapis do pamięci", "RAM[aa]=A"),
    Joins("STAX", 'N', "Zapis do pamięci", "RAM[%1]=A"),
    Opens("STC", 'C', "Ustaw CY na 1", "CY=1"),
    Opens("SUB", 'A', "Odejmowanie bez pożyczki", "A=A-%1"),
    AsAbove("SUI"),
    Opens("XCHG", 'N', "Zamiana zawartości DE i HL", "DE<->HL"),
    Opens("XRA", 'E', "Suma modulo 2", "A=A xor %1"),
    AsAbove("XRI"),
    Opens("XTHL", 'N', "Zamień wierzchołek stosu z HL", "HL<->RAM[SP,SP+1]"),
};

constexpr const Description* FindDescription(std::string_view instruction) {
  for (const Description& description : kDescriptions) {
    if (description.instruction == instruction) return &description;
  }
  return nullptr;
}

constexpr bool EveryInstructionIsDescribed() {
  for (const InstructionInfo& row : kInstructions) {
    if (row.condition == Always && FindDescription(row.mnemonic) == nullptr) return false;
  }
  return true;
}
static_assert(EveryInstructionIsDescribed(), "an instruction of the table has no description");

std::string_view ConditionText(Condition condition) {
  switch (condition) {
    case Always:
      return {};
    case IfZero:
      return "...jeśli zero";
    case IfNotZero:
      return "...jeśli nie zero";
    case IfPlus:
      return "...jeśli liczba dodatnia";
    case IfMinus:
      return "...jeśli liczba ujemna";
    case IfCarry:
      return "...jeśli było przeniesienie";
    case IfNoCarry:
      return "...jeśli nie było przeniesia";
    case IfParityEven:
      return "...jeśli parzysta liczba jedynek";
    case IfParityOdd:
      return "...jeśli nieparzysta liczba jedynek";
  }
  return {};
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// How an operand appears in explanations and operations.
QString RegisterName(std::string_view reg) {
  return reg == "M" ? QStringLiteral("RAM[HL]") : Text(reg);
}
QString PairName(std::string_view pair) {
  if (pair == "B") return QStringLiteral("BC");
  if (pair == "D") return QStringLiteral("DE");
  if (pair == "H") return QStringLiteral("HL");
  return Text(pair);
}

QString Fill(std::string_view pattern, const QString& first, const QString& second) {
  return Text(pattern).replace(QLatin1String("%1"), first).replace(QLatin1String("%2"), second);
}

// The rows of the list, instruction by instruction in the order of the instruction table.
class GroupBuilder {
 public:
  std::vector<InstructionGroup> Build() {
    for (const InstructionInfo& row : kInstructions) Add(row);
    return std::move(groups_);
  }

 private:
  void Add(const InstructionInfo& row) {
    if (row.condition != Always) {
      groups_.back().push_back(
          {Text(row.mnemonic), QChar('N'), Text(ConditionText(row.condition)), {}});
      return;
    }
    const Description& description = *FindDescription(row.mnemonic);
    if (description.placement != Placement::AsAbove) words_ = &description;
    opensGroup_ = description.placement == Placement::NewGroup;
    const std::string name(row.mnemonic);
    using enum InstructionClass;
    switch (row.operands) {
      case NoOperand:
        Put(name);
        break;
      case Register:
        PutEach(name, kByteRegisters, "", RegisterName);
        break;
      case Byte:
        Put(name + " [v]", QStringLiteral("[v]"));
        break;
      case Jump:
      case Address:
        Put(name + " [aa]");
        break;
      case Pair:
        PutEach(name, kPairRegisters, "", PairName);
        break;
      case Indirect:
        PutEach(name, kIndirectRegisters, "", PairName);
        break;
      case Stack:
        PutEach(name, kStackRegisters, "", PairName);
        break;
      case Lxi:
        PutEach(name, kPairRegisters, ",[vv]", PairName);
        break;
      case Mvi:
        PutEach(name, kByteRegisters, ",[v]", RegisterName);
        break;
      case Mov:
        // One group per destination, each with the seven other registers as the source.
        for (std::string_view to : kByteRegisters) {
          opensGroup_ = true;
          for (std::string_view from : kByteRegisters) {
            if (from == to) continue;
            Put(name + ' ' + std::string(to) + ',' + std::string(from), RegisterName(to),
                RegisterName(from));
          }
        }
        break;
      case Rst:
        for (int n = 0; n <= kRoutineMaximum; ++n) {
          const QString address = QString::number(8 * n, 16).toUpper().rightJustified(2, '0') + 'h';
          Put(name + ' ' + std::to_string(n), address);
        }
        break;
    }
  }

  // One row per operand word, the word followed by tail; nameOf writes it for %1.
  void PutEach(const std::string& name, std::span<const std::string_view> words,
               std::string_view tail, QString (*nameOf)(std::string_view)) {
    for (std::string_view word : words) {
      Put(name + ' ' + std::string(word) + std::string(tail), nameOf(word));
    }
  }

  void Put(const std::string& instruction, const QString& first = {}, const QString& second = {}) {
    const Description* own =
        instruction.find(' ') != std::string::npos ? FindDescription(instruction) : nullptr;
    const Description& words = own ? *own : *words_;
    if (opensGroup_ || groups_.empty()) groups_.emplace_back();
    opensGroup_ = false;
    groups_.back().push_back({Text(instruction), QChar(words.flagClass),
                              Fill(words.explanation, first, second),
                              Fill(words.operation, first, second)});
  }

  std::vector<InstructionGroup> groups_;
  const Description* words_ = nullptr;
  bool opensGroup_ = true;
};

}  // namespace

std::vector<InstructionGroup> InstructionGroups() {
  return GroupBuilder().Build();
}

QString FormatInstructionRow(const InstructionRow& row) {
  QString line = row.instruction.leftJustified(kFlagColumn, ' ');
  line += row.flagClass;
  line = line.leftJustified(kExplanationColumn, ' ') + row.explanation;
  if (!row.operation.isEmpty()) line = line.leftJustified(kOperationColumn, ' ') + row.operation;
  return line;
}

QStringList CharacterTableRows() {
  QStringList rows;
  for (int low = 0; low < 16; ++low) {
    QString row = QStringLiteral("   %1  ").arg(low, 1, 16).toUpper();
    for (int high = 2; high <= 7; ++high) {
      if (high > 2) row += ' ';
      row += QChar(high * 16 + low);
    }
    rows << row;
  }
  return rows;
}

QStringList InstructionListLines() {
  QStringList lines = {
      QString(), QStringLiteral("Lista rozkazów mikroprocesora 8085:"),
      QString(), QStringLiteral("Rozkaz    Flagi Objaśnienie                        Działanie"),
      QString(),
  };
  bool first = true;
  for (const InstructionGroup& group : InstructionGroups()) {
    if (!first) lines << QString();
    first = false;
    for (const InstructionRow& row : group) lines << FormatInstructionRow(row);
  }
  lines << QString() << QString() << QString();
  lines << QStringLiteral("Legenda - flagi:") << QStringLiteral(" A - Zmienia wszystkie flagi")
        << QStringLiteral(" B - Wszystkie oprócz CY") << QStringLiteral(" C - Tylko CY")
        << QStringLiteral(" D - Wszystkie, CY=0, AC=1")
        << QStringLiteral(" E - Wszystkie, CY=0, AC=0") << QStringLiteral(" N - Nie zmienia flag");
  lines << QString();
  lines << QStringLiteral("Legenda - rozkazy:              Ilość bitów")
        << QStringLiteral(" aa - Dwa bajty adresu              16")
        << QStringLiteral("  v - Bajt danych                    8")
        << QStringLiteral(" vv - Dwa bajty dancy               16")
        << QStringLiteral("PSW - Akumulator i rejestr flagowy  16")
        << QStringLiteral(" PC - Licznik rozkazów              16")
        << QStringLiteral(" SP - wskaźnik stosu                16");
  lines << QString();
  lines << QStringLiteral("Tablica znaków ASCII:") << QString()
        << QStringLiteral("    H 2 3 4 5 6 7") << QStringLiteral("   L");
  lines << CharacterTableRows();
  return lines;
}

}  // namespace kwarcyt
