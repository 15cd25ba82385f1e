#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "checker/LabelTable.h"
#include "checker/ProgramCheck.h"

namespace kwarcyt {
namespace {

using Lines = std::vector<std::string>;

const Lines kInvalidName1ABC = {"0: Nieprawidłowa nazwa etykiety",
                                "Dozwolone tylko litery, cyfry oraz znak podkreślenia",
                                "Pierwszym znakiem musi być litera, maksymalna długość 32 znaki"};

// n distinct label lines L0: .. L<n-1>:
Lines LabelLines(int count) {
  Lines lines;
  for (int i = 0; i < count; ++i) lines.push_back("L" + std::to_string(i) + ":");
  return lines;
}

Lines Concat(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct ProgramCase {
  std::string name;
  Lines program;
  Lines expected;
  friend void PrintTo(const ProgramCase& c, std::ostream* os) { *os << c.name; }
};

class KompilujTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(KompilujTest, ReportsLineFaultsThenLabelFaults) {
  const ProgramCase& c = GetParam();
  LabelTable labels;
  ErrorList errors{"stale message"};
  bool programChecked = false;
  Kompiluj(c.program, labels, errors, programChecked);
  EXPECT_EQ(errors, c.expected);
  EXPECT_EQ(programChecked, c.expected.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Programs, KompilujTest,
    ::testing::Values(
        ProgramCase{"empty", {}, {}},
        ProgramCase{
            "correct",
            {"/ licznik", "  mvi a,10", "petla:", "dcr a", "jnz PETLA", "call podprogram", "rst 3",
             "jmp koniec", "", "PODPROGRAM:", "ret", "rst_3:", "ret", "koniec:", "hlt"},
            {}},
        ProgramCase{"line faults in line order",
                    {"ADD X", "NOP", "MVI A,256", "JMP NIGDZIE"},
                    {"0: Nieprawidłowy rejestr [X]",
                     "2: Nieprawidłowa liczba lub jest poza zakresem {0..255} [256]",
                     "3: Brak zdefiniowanej etykiety [NIGDZIE]"}},
        ProgramCase{"repeated label", {"A:", "NOP", "NOP", "A:"}, {"3: Etykieta powtarza się [A]"}},
        ProgramCase{"first repetition stops the collection",
                    {"A:", "A:", "B:", "JMP B", "B:"},
                    {"3: Brak zdefiniowanej etykiety [B]", "1: Etykieta powtarza się [A]"}},
        ProgramCase{"letter case does not make labels different",
                    {"petla:", "PETLA:"},
                    {"1: Etykieta powtarza się [PETLA]"}},
        ProgramCase{"program-level message comes after the line messages",
                    {"A:", "ADD X", "A:", "JMP B"},
                    {"1: Nieprawidłowy rejestr [X]", "3: Brak zdefiniowanej etykiety [B]",
                     "2: Etykieta powtarza się [A]"}},
        ProgramCase{"comment ending with a colon is no label",
                    {"/uwaga:", "/uwaga:", "JMP UWAGA"},
                    {"2: Brak zdefiniowanej etykiety [UWAGA]"}},
        ProgramCase{"invalid names are reported per line, not as repetitions",
                    {"1ABC:", "1abc:"},
                    Concat(kInvalidName1ABC,
                           {"1: Nieprawidłowa nazwa etykiety",
                            "Dozwolone tylko litery, cyfry oraz znak podkreślenia",
                            "Pierwszym znakiem musi być litera, maksymalna długość 32 znaki"})},
        ProgramCase{"1024 labels pass", LabelLines(1024), {}},
        ProgramCase{"1025th label overflows",
                    LabelLines(1025),
                    {"1024: Przekroczono maksymalną liczbę etykiet (1024)"}},
        ProgramCase{"labels after the overflow are unknown",
                    Concat(LabelLines(1026), {"JMP L1025", "JMP L1024", "JMP L0"}),
                    {"1026: Brak zdefiniowanej etykiety [L1025]",
                     "1024: Przekroczono maksymalną liczbę etykiet (1024)"}},
        ProgramCase{"invalid names do not count towards the maximum",
                    Concat(LabelLines(1024), {"1ABC:"}),
                    {"1024: Nieprawidłowa nazwa etykiety",
                     "Dozwolone tylko litery, cyfry oraz znak podkreślenia",
                     "Pierwszym znakiem musi być litera, maksymalna długość 32 znaki"}}));

TEST(KompilujLabelTableTest, MapsUpperCaseNamesToTheirLines) {
  LabelTable labels;
  ErrorList errors;
  bool programChecked = false;
  Kompiluj({"NOP", "  start:", "/komentarz:", "x_1:", "HLT"}, labels, errors, programChecked);
  EXPECT_TRUE(programChecked);
  EXPECT_EQ(labels.LabelCount(), 2);
  EXPECT_EQ(labels.FindLabel("START"), 1);
  EXPECT_EQ(labels.FindLabel("X_1"), 3);
  EXPECT_EQ(labels.FindLabel("/KOMENTARZ"), -1);

  // A second check starts from an empty table.
  Kompiluj({"JMP START"}, labels, errors, programChecked);
  EXPECT_EQ(labels.LabelCount(), 0);
  EXPECT_EQ(errors, Lines{"0: Brak zdefiniowanej etykiety [START]"});
  EXPECT_FALSE(programChecked);
}

struct EditingCase {
  std::string name;
  Lines program;
  int caretRow;
  Lines expected;
  friend void PrintTo(const EditingCase& c, std::ostream* os) { *os << c.name; }
};

class CheckWhileEditingTest : public ::testing::TestWithParam<EditingCase> {};

TEST_P(CheckWhileEditingTest, ReportsLabelFaultsThenTheCaretLine) {
  const EditingCase& c = GetParam();
  LabelTable labels;
  ErrorList errors{"stale message"};
  bool programChecked = true;
  EXPECT_TRUE(CheckWhileEditing(c.program, c.caretRow, labels, errors, programChecked));
  EXPECT_EQ(errors, c.expected);
  EXPECT_EQ(programChecked, c.expected.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Edits, CheckWhileEditingTest,
    ::testing::Values(EditingCase{"one character", {"a"}, 0, {"0: Nieznany rozkaz [A]"}},
                      EditingCase{"only the caret line is checked",
                                  {"ADD X", "MOV Y,A", "MVI A,256"},
                                  1,
                                  {"1: Nieprawidłowy rejestr [Y]"}},
                      EditingCase{"caret on the row after the last line", {"ADD X"}, 1, {}},
                      EditingCase{
                          "forward jump to a label below", {"JMP KONIEC", "koniec:"}, 0, {}},
                      EditingCase{"comment lines are collected too",
                                  {"/uwaga:", "NOP", "/UWAGA:"},
                                  1,
                                  {"2: Etykieta powtarza się [/UWAGA]"}},
                      EditingCase{"invalid names are collected too",
                                  {"1ABC:", "1ABC:"},
                                  0,
                                  Concat({"1: Etykieta powtarza się [1ABC]"}, kInvalidName1ABC)},
                      EditingCase{"repeated label in letter case",
                                  {"petla:", "NOP", "Petla:"},
                                  1,
                                  {"2: Etykieta powtarza się [PETLA]"}},
                      EditingCase{"too many labels",
                                  Concat(LabelLines(1025), {"JMP L1"}),
                                  1025,
                                  {"1024: Przekroczono maksymalną liczbę etykiet (1024)"}}));

// A CALL keeps its return line in 16 bits: one line more than that cannot run.
TEST(ProgramLengthTest, MoreThan65535LinesAreRefused) {
  for (const auto& [lineCount, expected] :
       {std::pair{65535, Lines{}},
        std::pair{65536, Lines{"Program ma za dużo wierszy (65536), najwięcej 65535"}}}) {
    const Lines program(static_cast<std::size_t>(lineCount), "NOP");
    LabelTable labels;
    ErrorList errors;
    bool programChecked = false;
    Kompiluj(program, labels, errors, programChecked);
    EXPECT_EQ(errors, expected);
    EXPECT_EQ(programChecked, expected.empty());
  }
}

TEST(CheckWhileEditingEmptyTest, ReportsAnEmptyProgramAndDisablesRunning) {
  LabelTable labels;
  ErrorList errors{"0: Nieprawidłowy rejestr [X]"};
  bool programChecked = true;
  EXPECT_FALSE(CheckWhileEditing({}, 0, labels, errors, programChecked));
  EXPECT_EQ(errors, Lines{"Program jest pusty"});
}

TEST(CheckWhileEditingFlagTest, NeverSetsProgramChecked) {
  LabelTable labels;
  ErrorList errors;
  bool programChecked = false;
  EXPECT_TRUE(CheckWhileEditing({"A:", "NOP"}, 1, labels, errors, programChecked));
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(programChecked);
  EXPECT_EQ(labels.FindLabel("A"), 0);
}

}  // namespace
}  // namespace kwarcyt
