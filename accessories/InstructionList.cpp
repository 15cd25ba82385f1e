#include "InstructionList.h"

#include <array>
#include <utility>

namespace kwarcyt {

namespace {

// The eight operands of the "r" pattern in list order; M is the memory cell at HL.
constexpr std::array<const char*, 8> kRegisters = {"A", "B", "C", "D", "E", "H", "L", "M"};

// The register pairs as written in the source, with the names the operations use.
using Pair = std::pair<const char*, const char*>;
constexpr std::array<Pair, 4> kPairsWithSP = {
    {{"B", "BC"}, {"D", "DE"}, {"H", "HL"}, {"SP", "SP"}}};
constexpr std::array<Pair, 4> kPairsWithPSW = {
    {{"B", "BC"}, {"D", "DE"}, {"H", "HL"}, {"PSW", "PSW"}}};

QString Latin(const char* text) {
  return QString::fromLatin1(text);
}

// How an operand appears in explanations and operations.
QString OperandName(const char* reg) {
  return QLatin1String(reg) == QLatin1String("M") ? QStringLiteral("RAM[HL]") : Latin(reg);
}

// "%s" in a pattern stands for the operand.
QString Fill(const QString& pattern, const QString& operand) {
  return QString(pattern).replace(QLatin1String("%s"), operand);
}

// "MNEMONIC r" for the eight registers, then the immediate form "IMMEDIATE [v]" when given.
InstructionGroup RegisterGroup(const char* mnemonic, char flagClass, const QString& explanation,
                               const QString& operation, const char* immediate = nullptr) {
  InstructionGroup group;
  for (const char* reg : kRegisters)
    group.push_back({Latin(mnemonic) + ' ' + Latin(reg), QChar(flagClass),
                     Fill(explanation, OperandName(reg)), Fill(operation, OperandName(reg))});
  if (immediate) {
    const QString operand = QStringLiteral("[v]");
    group.push_back({Latin(immediate) + ' ' + operand, QChar(flagClass), Fill(explanation, operand),
                     Fill(operation, operand)});
  }
  return group;
}

// "%o" in the instruction pattern stands for the pair as written, "%s" in the operation for its
// name (BC, DE, HL, SP).
InstructionGroup PairGroup(const QString& instruction, char flagClass, const QString& explanation,
                           const QString& operation) {
  InstructionGroup group;
  for (const auto& [operand, name] : kPairsWithSP)
    group.push_back({QString(instruction).replace(QLatin1String("%o"), Latin(operand)),
                     QChar(flagClass), explanation, Fill(operation, Latin(name))});
  return group;
}

// POP and PUSH take PSW instead of SP, and describe it separately.
InstructionGroup StackGroup(bool push) {
  InstructionGroup group;
  for (const auto& [operand, name] : kPairsWithPSW) {
    const bool psw = QLatin1String(name) == QLatin1String("PSW");
    InstructionRow row;
    row.instruction = (push ? QStringLiteral("PUSH ") : QStringLiteral("POP ")) + Latin(operand);
    row.flagClass = QChar(!push && psw ? 'A' : 'N');
    if (push) {
      row.explanation = psw ? QStringLiteral("Odłożenie A i rej.flagow. na stos")
                            : QStringLiteral("Odłożenie rejestru na stos");
      row.operation = QStringLiteral("SP=SP-2 ") + Latin(name) + QStringLiteral("->stos");
    } else {
      row.explanation = psw ? QStringLiteral("Zdjęcie ze stosu A i rej.flagowego")
                            : QStringLiteral("Zdjęcie ze stosu do rejetru");
      // "BC<-stos  SP=SP+2" and "PSW<-stos SP=SP+2": the second part stays in one column.
      row.operation = (Latin(name) + QStringLiteral("<-stos")).leftJustified(10, ' ') +
                      QStringLiteral("SP=SP+2");
    }
    group.push_back(row);
  }
  return group;
}

// An unconditional jump, call or return followed by its eight conditional forms, which give only
// their condition.
InstructionGroup ConditionalGroup(const char* head, const QString& explanation,
                                  const QString& operation, const char* prefix) {
  static const std::array<std::pair<const char*, const char*>, 8> conditions = {{
      {"Z", "...jeśli zero"},
      {"NZ", "...jeśli nie zero"},
      {"P", "...jeśli liczba dodatnia"},
      {"M", "...jeśli liczba ujemna"},
      {"C", "...jeśli było przeniesienie"},
      {"NC", "...jeśli nie było przeniesia"},
      {"PE", "...jeśli parzysta liczba jedynek"},
      {"PO", "...jeśli nieparzysta liczba jedynek"},
  }};
  InstructionGroup group{{Latin(head), QChar('N'), explanation, operation}};
  for (const auto& [condition, text] : conditions)
    group.push_back({Latin(prefix) + Latin(condition), QChar('N'), QString::fromUtf8(text), {}});
  return group;
}

// One group per destination, each with the seven other registers as the source.
InstructionGroup MoveGroup(const char* destination) {
  InstructionGroup group;
  for (const char* source : kRegisters) {
    if (QLatin1String(source) == QLatin1String(destination)) continue;
    group.push_back({QStringLiteral("MOV %1,%2").arg(Latin(destination), Latin(source)), QChar('N'),
                     QStringLiteral("Wymiana danych między rejestrami"),
                     OperandName(destination) + '=' + OperandName(source)});
  }
  return group;
}

InstructionGroup MoveImmediateGroup() {
  InstructionGroup group;
  for (const char* reg : kRegisters)
    group.push_back({QStringLiteral("MVI %1,[v]").arg(Latin(reg)), QChar('N'),
                     QStringLiteral("Wpisywanie do rejestrów 8-bitowych"),
                     OperandName(reg) + QStringLiteral("=[v]")});
  return group;
}

InstructionGroup RestartGroup() {
  InstructionGroup group;
  for (int n = 0; n < 8; ++n) {
    const QString address = QString::number(8 * n, 16).toUpper().rightJustified(2, '0') + 'h';
    group.push_back({QStringLiteral("RST %1").arg(n), QChar('N'),
                     QStringLiteral("Skok do procedury o adresie ") + address,
                     QStringLiteral("PC=") + address});
  }
  return group;
}

InstructionRow Row(const char* instruction, char flagClass, const QString& explanation,
                   const QString& operation = {}) {
  return {Latin(instruction), QChar(flagClass), explanation, operation};
}

}  // namespace

std::vector<InstructionGroup> InstructionGroups() {
  const QString none;
  std::vector<InstructionGroup> groups = {
      RegisterGroup("ADC", 'A', "Dodawanie z przeniesieniem", "A=A+%s+CY", "ACI"),
      RegisterGroup("ADD", 'A', "Dodawanie bez przeniesiena", "A=A+%s", "ADI"),
      RegisterGroup("ANA", 'D', "Iloczyn logiczny", "A=A and %s", "ANI"),
      ConditionalGroup("CALL [aa]", "Skok ze śladem", "PC->stos, PC=aa", "C"),
      {Row("CMA", 'N', "Negacja akumulatora", "A=!A"),
       Row("CMC", 'C', "Negacja flagi CY", "CY=!CY")},
      RegisterGroup("CMP", 'A', "Porównanie A i %s", none, "CPI"),
      {Row("DAA", 'A', "Korekcja dziesiętna akumulatora")},
      PairGroup("DAD %o", 'C', "Dodawanie 16-bitowe", "HL=HL+%s"),
      RegisterGroup("DCR", 'B', "Dekrementacja 8-bitowa", "%s=%s-1"),
      PairGroup("DCX %o", 'N', "Dekrementacja 16-bitowa", "%s=%s-1"),
      {Row("DI", 'N', "Zablokowanie przerwania INTR"),
       Row("EI", 'N', "Odblokowanie przerwania INTR")},
      {Row("HLT", 'N', "Zatrzymanie procesora")},
      {Row("IN [v]", 'N', "Odczyt z portu wejściowego", "A=IN[v]")},
      RegisterGroup("INR", 'B', "Inkrementacja 8-bitowa", "%s=%s+1"),
      PairGroup("INX %o", 'N', "Inkrementacja 16-bitowa", "%s=%s+1"),
      ConditionalGroup("JMP [aa]", "Skok bez śladu", "PC=aa", "J"),
      {Row("LDA [aa]", 'N', "Odczyt z pamięci", "A=RAM[aa]"),
       Row("LDAX B", 'N', "Odczyt z pamięci", "A=RAM[BC]"),
       Row("LDAX D", 'N', "Odczyt z pamięci", "A=RAM[DE]"),
       Row("LHLD [aa]", 'N', "Odczyt z pamięci", "HL=RAM[aa,aa+1]")},
      PairGroup("LXI %o,[vv]", 'N', "Wpisywanie do rejestrów 16-bitow.", "%s=[vv]"),
  };
  for (const char* destination : kRegisters) groups.push_back(MoveGroup(destination));
  const std::vector<InstructionGroup> rest = {
      MoveImmediateGroup(),
      {Row("NOP", 'N', "Brak operacji")},
      RegisterGroup("ORA", 'E', "Suma logiczna", "A=A or %s"),
      {Row("ORI [v]", 'E', "Suma logiczna", "A=A or [v]")},
      {Row("OUT [v]", 'N', "Zapis do portu wyjściowego", "OUT[v]=A")},
      {Row("PCHL", 'N', "Skok pod adres zawarty w HL", "PC=HL")},
      StackGroup(false),
      StackGroup(true),
      {Row("RAL", 'C', "Rotacja CY i A w lewo", "A=<CY+A<"),
       Row("RAR", 'C', "Rotacja CY i A w prawo", "A=>CY+A>"),
       Row("RLC", 'C', "Rotacja A w lewo i do CY", "CY=<A  A=<A<"),
       Row("RRC", 'C', "Rotacja A w prawo i do CY", "CY=A>  A=>A>"),
       Row("RIM", 'N', "Odblokowanie przerwania RST")},
      ConditionalGroup("RET", "Powrót z podprogramu", "PC<-stos", "R"),
      RestartGroup(),
      RegisterGroup("SBB", 'A', "Odejmowanie z pożyczką", "A=A-%s-CY", "SBI"),
      {Row("SHLD [aa]", 'N', "Zapis do pamięci", "RAM[aa,aa+1]=HL")},
      {Row("SIM", 'N', "Zablokowanie przerwania RST")},
      {Row("SPHL", 'N', "Wpisz do SP zawartość HL", "SP=HL")},
      {Row("STA [aa]", 'N', "Zapis do pamięci", "RAM[aa]=A"),
       Row("STAX B", 'N', "Zapis do pamięci", "RAM[BC]=A"),
       Row("STAX D", 'N', "Zapis do pamięci", "RAM[DE]=A")},
      {Row("STC", 'C', "Ustaw CY na 1", "CY=1")},
      RegisterGroup("SUB", 'A', "Odejmowanie bez pożyczki", "A=A-%s", "SUI"),
      {Row("XCHG", 'N', "Zamiana zawartości DE i HL", "DE<->HL")},
      RegisterGroup("XRA", 'E', "Suma modulo 2", "A=A xor %s", "XRI"),
      {Row("XTHL", 'N', "Zamień wierzchołek stosu z HL", "HL<->RAM[SP,SP+1]")},
  };
  groups.insert(groups.end(), rest.begin(), rest.end());
  return groups;
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
