// The instruction list of the help window: exact rows, the column rules for every row, the
// grouping, agreement with the checker and the decoder, and the legends and character table that
// close the list.
#include <QSet>
#include <QTest>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "accessories/InstructionList.h"
#include "checker/InstructionSet.h"
#include "checker/ProgramCheck.h"
#include "core/DecodedLine.h"

using namespace kwarcyt;

namespace {

QString Latin(std::string_view text) {
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// Operands of each form that the checker accepts, given the labels PETLA and RST_2.
std::string SampleOperands(InstructionClass operands) {
  switch (operands) {
    case InstructionClass::Register:
      return " M";
    case InstructionClass::Byte:
      return " 7";
    case InstructionClass::Jump:
      return " PETLA";
    case InstructionClass::NoOperand:
      return "";
    case InstructionClass::Pair:
      return " SP";
    case InstructionClass::Address:
      return " 2000h";
    case InstructionClass::Indirect:
      return " D";
    case InstructionClass::Lxi:
      return " H,2000h";
    case InstructionClass::Mov:
      return " A,M";
    case InstructionClass::Mvi:
      return " M,5";
    case InstructionClass::Stack:
      return " PSW";
    case InstructionClass::Rst:
      return " 2";
  }
  return "";
}

}  // namespace

class InstructionListTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsReadExactly_data() {
    QTest::addColumn<QString>("row");
    const char* rows[] = {
        "ADC A       A   Dodawanie z przeniesieniem         A=A+A+CY",
        "ACI [v]     A   Dodawanie z przeniesieniem         A=A+[v]+CY",
        "CALL [aa]   N   Skok ze śladem                     PC->stos, PC=aa",
        "CZ          N   ...jeśli zero",
        "LXI SP,[vv] N   Wpisywanie do rejestrów 16-bitow.  SP=[vv]",
        "RST 1       N   Skok do procedury o adresie 08h    PC=08h",
        "XTHL        N   Zamień wierzchołek stosu z HL      HL<->RAM[SP,SP+1]",
        "CMP M       A   Porównanie A i RAM[HL]",
        "DCR M       B   Dekrementacja 8-bitowa             RAM[HL]=RAM[HL]-1",
        "JNC         N   ...jeśli nie było przeniesia",
        "MOV M,L     N   Wymiana danych między rejestrami   RAM[HL]=L",
        "POP B       N   Zdjęcie ze stosu do rejetru        BC<-stos  SP=SP+2",
        "POP PSW     A   Zdjęcie ze stosu A i rej.flagowego PSW<-stos SP=SP+2",
        "PUSH PSW    N   Odłożenie A i rej.flagow. na stos  SP=SP-2 PSW->stos",
        "RLC         C   Rotacja A w lewo i do CY           CY=<A  A=<A<",
        "RPO         N   ...jeśli nieparzysta liczba jedynek",
        "RST 7       N   Skok do procedury o adresie 38h    PC=38h",
        "XRA C       E   Suma modulo 2                      A=A xor C",
    };
    for (const char* row : rows) QTest::newRow(row) << QString::fromUtf8(row);
  }
  void rowsReadExactly() {
    QFETCH(QString, row);
    QVERIFY(InstructionListLines().contains(row));
  }

  void listHas239RowsIn47Groups() {
    const auto groups = InstructionGroups();
    QCOMPARE(int(groups.size()), 47);
    int rows = 0;
    for (const auto& group : groups) rows += int(group.size());
    QCOMPARE(rows, 239);

    // In the text the groups stand between the column heading and the legends, one empty line
    // between two groups.
    const QStringList lines = InstructionListLines();
    const qsizetype first = lines.indexOf(
        QStringLiteral("ADC A       A   Dodawanie z przeniesieniem         A=A+A+CY"));
    const qsizetype legend = lines.indexOf(QStringLiteral("Legenda - flagi:"));
    QCOMPARE(first, 5);
    QVERIFY(legend > first);
    const QStringList body = lines.mid(first, legend - first - 3);
    QCOMPARE(body.count(QString()), 46);
    QCOMPARE(body.size(), 239 + 46);
    QVERIFY(!body.last().isEmpty());
    QCOMPARE(lines.mid(legend - 3, 3), QStringList(3, QString()));
  }

  void headingOpensTheList() {
    const QStringList expected = {
        QString(), QStringLiteral("Lista rozkazów mikroprocesora 8085:"), QString(),
        QStringLiteral("Rozkaz    Flagi Objaśnienie                        Działanie"), QString()};
    QCOMPARE(InstructionListLines().mid(0, 5), expected);
  }

  // Every row keeps its columns, whatever its texts.
  void everyRowKeepsTheColumns() {
    for (const auto& group : InstructionGroups()) {
      for (const InstructionRow& row : group) {
        const QString line = FormatInstructionRow(row);
        const QByteArray what = line.toUtf8();
        QVERIFY2(row.instruction.size() < kFlagColumn, what);
        QVERIFY2(QStringLiteral("ABCDEN").contains(line[kFlagColumn]), what);
        QVERIFY2(line.mid(kFlagColumn + 1, 3) == QStringLiteral("   "), what);
        QVERIFY2(line[kExplanationColumn] != ' ', what);
        QVERIFY2(!line.endsWith(' '), what);
        if (!row.operation.isEmpty()) {
          QVERIFY2(row.explanation.size() < kOperationColumn - kExplanationColumn, what);
          QVERIFY2(line[kOperationColumn - 1] == ' ' && line[kOperationColumn] != ' ', what);
        }
      }
    }
  }

  // Jumps, calls and returns: the first row explains, the conditional rows give the condition
  // only, in the order Z, NZ, P, M, C, NC, PE, PO.
  void conditionalRowsGiveOnlyTheirCondition_data() {
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("call") << "CALL [aa]"
                          << "C";
    QTest::newRow("jump") << "JMP [aa]"
                          << "J";
    QTest::newRow("return") << "RET"
                            << "R";
  }
  void conditionalRowsGiveOnlyTheirCondition() {
    QFETCH(QString, head);
    QFETCH(QString, prefix);
    const QStringList conditions = {"Z", "NZ", "P", "M", "C", "NC", "PE", "PO"};
    for (const auto& group : InstructionGroups()) {
      if (group.front().instruction != head) continue;
      QCOMPARE(int(group.size()), 9);
      QVERIFY(!group.front().operation.isEmpty());
      for (int i = 1; i < 9; ++i) {
        QCOMPARE(group[i].instruction, prefix + conditions[i - 1]);
        QVERIFY(group[i].explanation.startsWith(QStringLiteral("...")));
        QVERIFY(group[i].operation.isEmpty());
      }
      return;
    }
    QFAIL("group not found");
  }

  // The list covers the whole instruction set the checker accepts, and nothing else.
  void everyMnemonicIsListed() {
    QSet<QString> listed;
    for (const auto& group : InstructionGroups())
      for (const InstructionRow& row : group) listed << row.instruction.section(' ', 0, 0);
    QSet<QString> known;
    for (const InstructionInfo& row : kInstructions) known << Latin(row.mnemonic);
    QCOMPARE(listed, known);
  }

  // For every instruction of the table, the checker accepts a line of its operand form, the
  // decoder reads that line as the instruction's operation and the list shows the instruction.
  void checkerDecoderAndListAgree_data() {
    QTest::addColumn<int>("index");
    for (const InstructionInfo& row : kInstructions)
      QTest::newRow(qPrintable(Latin(row.mnemonic))) << int(&row - kInstructions);
  }
  void checkerDecoderAndListAgree() {
    QFETCH(int, index);
    const InstructionInfo& row = kInstructions[index];
    const std::string line = std::string(row.mnemonic) + SampleOperands(row.operands);
    const std::vector<std::string> lines = {line, "PETLA:", "RST_2:"};
    LabelTable labels;
    ErrorList errors;
    bool checked = false;
    Kompiluj(lines, labels, errors, checked);
    QVERIFY2(checked, errors.empty() ? line.c_str() : errors.front().c_str());

    const DecodedLine decoded = DecodeLine(line, labels, int(lines.size()));
    QCOMPARE(decoded.op, row.op);
    if (row.condition != Always) QCOMPARE(decoded.a, std::uint8_t(row.condition));

    bool listed = false;
    for (const auto& group : InstructionGroups())
      for (const InstructionRow& listedRow : group)
        listed = listed || listedRow.instruction.section(' ', 0, 0) == Latin(row.mnemonic);
    QVERIFY(listed);
  }

  void moveGroupsLeaveOutMovesToThemselves() {
    int moves = 0;
    for (const auto& group : InstructionGroups()) {
      for (const InstructionRow& row : group) {
        if (!row.instruction.startsWith(QStringLiteral("MOV "))) continue;
        ++moves;
        const QStringList operands = row.instruction.mid(4).split(',');
        QCOMPARE(operands.size(), 2);
        QVERIFY2(operands[0] != operands[1], qPrintable(row.instruction));
      }
    }
    QCOMPARE(moves, 56);
  }

  void legendsFollowTheRows() {
    const QStringList lines = InstructionListLines();
    const qsizetype start = lines.indexOf(QStringLiteral("Legenda - flagi:"));
    const QStringList expected = {
        "Legenda - flagi:",
        " A - Zmienia wszystkie flagi",
        " B - Wszystkie oprócz CY",
        " C - Tylko CY",
        " D - Wszystkie, CY=0, AC=1",
        " E - Wszystkie, CY=0, AC=0",
        " N - Nie zmienia flag",
        "",
        "Legenda - rozkazy:              Ilość bitów",
        " aa - Dwa bajty adresu              16",
        "  v - Bajt danych                    8",
        " vv - Dwa bajty dancy               16",
        "PSW - Akumulator i rejestr flagowy  16",
        " PC - Licznik rozkazów              16",
        " SP - wskaźnik stosu                16",
        "",
        "Tablica znaków ASCII:",
        "",
        "    H 2 3 4 5 6 7",
        "   L",
    };
    QCOMPARE(lines.mid(start, expected.size()), expected);
    QCOMPARE(lines.size(), start + expected.size() + 16);
    QCOMPARE(lines.mid(start + expected.size()), CharacterTableRows());
  }

  void characterTableSetsEachCodeUnderItsHighDigit_data() {
    QTest::addColumn<int>("low");
    QTest::addColumn<QString>("row");
    QTest::newRow("1") << 1 << "   1  ! 1 A Q a q";
    QTest::newRow("0, a space first") << 0 << "   0    0 @ P ` p";
    QTest::newRow("A") << 10 << "   A  * : J Z j z";
    QTest::newRow("F, DEL last") << 15 << QStringLiteral("   F  / ? O _ o ") + QChar(0x7F);
  }
  void characterTableSetsEachCodeUnderItsHighDigit() {
    QFETCH(int, low);
    QFETCH(QString, row);
    const QStringList rows = CharacterTableRows();
    QCOMPARE(rows.size(), 16);
    QCOMPARE(rows[low], row);
    const QString header = QStringLiteral("    H 2 3 4 5 6 7");
    for (int high = 2; high <= 7; ++high) {
      const qsizetype column = header.indexOf(QString::number(high));
      QCOMPARE(rows[low][column].unicode(), ushort(high * 16 + low));
    }
  }
};

QTEST_GUILESS_MAIN(InstructionListTest)
#include "InstructionList_test.moc"
