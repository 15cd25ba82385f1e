#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "checker/InstructionSet.h"
#include "checker/LabelTable.h"
#include "checker/Sprawdzanie.h"

namespace kwarcyt {
namespace {

using Lines = std::vector<std::string>;

const std::string kHelpR =
    "W miejsce [r] należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H,L lub M";
const std::string kHelpV = "W miejsce [v] należy podać liczbę z zakresu {0..255}";
const std::string kHelpBdh = "B,D i H to pierwsze litery rejestrów BC, DE i HL";
const std::string kHelpPsw =
    "PSW to rejestr będący połączeniem 8-bitowych rejestrów: A i flagowego";
const std::string kLabelHelp1 = "Dozwolone tylko litery, cyfry oraz znak podkreślenia";
const std::string kLabelHelp2 = "Pierwszym znakiem musi być litera, maksymalna długość 32 znaki";
const std::string kSecond = "0: Rozkaz nie wymaga drugiego argumentu";
const std::string kNoArgs = "0: Rozkaz nie wymaga argumentów";
const std::string kInvalidName = "0: Nieprawidłowa nazwa etykiety";

// The labels every line below is checked against.
LabelTable SampleLabels() {
  LabelTable labels;
  for (const char* name : {"PETLA", "RST_0", "RST_3", "KONIEC_2"}) labels.Add(name, 9);
  return labels;
}

Lines Check(const std::string& line, int index = 0, bool* checked = nullptr) {
  const LabelTable labels = SampleLabels();
  ErrorList errors;
  bool programChecked = true;
  SprawdzLinie(line, index, labels, errors, programChecked);
  if (checked != nullptr) *checked = programChecked;
  return errors;
}

struct LineCase {
  std::string line;
  Lines expected;
  friend void PrintTo(const LineCase& c, std::ostream* os) { *os << "[" << c.line << "]"; }
};

class SprawdzLinieTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(SprawdzLinieTest, GivesExactlyTheMessagesOfTheLine) {
  const LineCase& c = GetParam();
  bool programChecked = true;
  EXPECT_EQ(Check(c.line, 0, &programChecked), c.expected);
  EXPECT_EQ(programChecked, c.expected.empty());
}

INSTANTIATE_TEST_SUITE_P(
    BlankCommentAndLabelLines, SprawdzLinieTest,
    ::testing::Values(LineCase{"", {}}, LineCase{"     ", {}}, LineCase{"\t \t\r", {}},
                      LineCase{"/komentarz", {}}, LineCase{"/uwaga:", {}},
                      LineCase{"/ MOV X,Y", {}}, LineCase{"PETLA:", {}}, LineCase{"  petla:  ", {}},
                      LineCase{"X_1:", {}}, LineCase{std::string(32, 'A') + ":", {}},
                      LineCase{std::string(33, 'A') + ":",
                               {kInvalidName, kLabelHelp1, kLabelHelp2}},
                      LineCase{"1ABC:", {kInvalidName, kLabelHelp1, kLabelHelp2}},
                      LineCase{"_X:", {kInvalidName, kLabelHelp1, kLabelHelp2}},
                      LineCase{"PETLA :", {kInvalidName, kLabelHelp1, kLabelHelp2}},
                      LineCase{":", {kInvalidName, kLabelHelp1, kLabelHelp2}},
                      LineCase{"PĘTLA:", {kInvalidName, kLabelHelp1, kLabelHelp2}},
                      LineCase{"MOV A,B:", {kInvalidName, kLabelHelp1, kLabelHelp2}}));

INSTANTIATE_TEST_SUITE_P(UnknownMnemonics, SprawdzLinieTest,
                         ::testing::Values(LineCase{"PETLA: NOP", {"0: Nieznany rozkaz [PETLA:]"}},
                                           LineCase{"mvx a,1", {"0: Nieznany rozkaz [MVX]"}},
                                           LineCase{"MOV\tA,B", {"0: Nieznany rozkaz [MOV\tA,B]"}},
                                           LineCase{"mov\ta, b", {"0: Nieznany rozkaz [MOV\tA,]"}},
                                           LineCase{"LDAXX B", {"0: Nieznany rozkaz [LDAXX]"}},
                                           LineCase{"ADD,B", {"0: Nieznany rozkaz [ADD,B]"}},
                                           LineCase{"HLT,", {"0: Nieznany rozkaz [HLT,]"}},
                                           LineCase{",", {"0: Nieznany rozkaz [,]"}},
                                           LineCase{"ĄDD B", {"0: Nieznany rozkaz [ĄDD]"}}));

INSTANTIATE_TEST_SUITE_P(
    RegisterClass, SprawdzLinieTest,
    ::testing::Values(LineCase{"add b", {}}, LineCase{"  CMP   M  ", {}}, LineCase{"SUB A", {}},
                      LineCase{"ADD", {"0: Prawidłowa składnia rozkazu: ADD [r]", kHelpR}},
                      LineCase{"ADD X", {"0: Nieprawidłowy rejestr [X]"}},
                      LineCase{"INR SP", {"0: Nieprawidłowy rejestr [SP]"}},
                      LineCase{"dcr ą", {"0: Nieprawidłowy rejestr [ą]"}},
                      LineCase{"ADD B,C", {kSecond}}, LineCase{"ADD B,", {kSecond}},
                      LineCase{"ADD X,C", {"0: Nieprawidłowy rejestr [X]", kSecond}},
                      LineCase{"ADD ,C",
                               {"0: Prawidłowa składnia rozkazu: ADD [r]", kHelpR, kSecond}}));

INSTANTIATE_TEST_SUITE_P(
    ByteClass, SprawdzLinieTest,
    ::testing::Values(
        LineCase{"ADI 10", {}}, LineCase{"cpi 'a'", {}}, LineCase{"OUT 0FFH", {}},
        LineCase{"IN 255", {}}, LineCase{"ANI 101b", {}},
        LineCase{"SUI", {"0: Prawidłowa składnia rozkazu: SUI [v]", kHelpV}},
        LineCase{"IN 256", {"0: Nieprawidłowa liczba lub jest poza zakresem {0..255} [256]"}},
        LineCase{"ADI -1", {"0: Nieprawidłowa liczba lub jest poza zakresem {0..255} [-1]"}},
        LineCase{"XRI 1 2", {"0: Nieprawidłowa liczba lub jest poza zakresem {0..255} [1 2]"}},
        LineCase{"ORI PETLA", {"0: Nieprawidłowa liczba lub jest poza zakresem {0..255} [PETLA]"}},
        LineCase{"ACI 1,2", {kSecond}},
        // a comma between apostrophes ends the first operand
        LineCase{"CPI ','",
                 {"0: Nieprawidłowa liczba lub jest poza zakresem {0..255} [']", kSecond}}));

INSTANTIATE_TEST_SUITE_P(
    JumpClass, SprawdzLinieTest,
    ::testing::Values(LineCase{"JMP PETLA", {}}, LineCase{"cnz petla", {}},
                      LineCase{"JPO KONIEC_2", {}},
                      LineCase{"CALL",
                               {"0: Prawidłowa składnia rozkazu: CALL [nazwa]",
                                "W miejsce [nazwa] należy podać nazwę etykiety"}},
                      LineCase{"JMP 100", {kInvalidName, kLabelHelp1, kLabelHelp2}},
                      LineCase{"JZ PĘTLA", {kInvalidName, kLabelHelp1, kLabelHelp2}},
                      LineCase{"JMP KONIEC", {"0: Brak zdefiniowanej etykiety [KONIEC]"}},
                      LineCase{"JMP PETLA,1", {kSecond}},
                      LineCase{"JC KONIEC,",
                               {"0: Brak zdefiniowanej etykiety [KONIEC]", kSecond}}));

INSTANTIATE_TEST_SUITE_P(NoOperandClass, SprawdzLinieTest,
                         ::testing::Values(LineCase{"NOP", {}}, LineCase{" hlt ", {}},
                                           LineCase{"NOP 1", {kNoArgs}},
                                           LineCase{"HLT ,", {kNoArgs}},
                                           LineCase{"RET A,B", {kNoArgs}},
                                           LineCase{"XCHG ,1", {kNoArgs}}));

INSTANTIATE_TEST_SUITE_P(
    PairAndIndirectClasses, SprawdzLinieTest,
    ::testing::Values(
        LineCase{"INX SP", {}}, LineCase{"dad h", {}}, LineCase{"LDAX D", {}},
        LineCase{
            "DCX",
            {"0: Prawidłowa składnia rozkazu: DCX [rr]",
             "W miejsce [rr] należy podać jeden z 16-bitowych rejestrów: B,D,H lub SP", kHelpBdh}},
        LineCase{"INX PSW", {"0: Nieprawidłowy rejestr [PSW]"}},
        LineCase{"INX X,Y", {"0: Nieprawidłowy rejestr [X]", kSecond}},
        LineCase{"DAD B,C", {kSecond}},
        LineCase{"STAX",
                 {"0: Prawidłowa składnia rozkazu: STAX [rr]",
                  "W miejsce [rr] należy podać jeden z 16-bitowych rejestrów: B lub D",
                  "B i D to pierwsze litery rejestrów BC i DE"}},
        LineCase{"STAX H", {"0: Nieprawidłowy rejestr [H]"}}, LineCase{"LDAX B,", {kSecond}}));

INSTANTIATE_TEST_SUITE_P(
    AddressClass, SprawdzLinieTest,
    ::testing::Values(
        LineCase{"LDA 2000H", {}}, LineCase{"sta 65535", {}}, LineCase{"SHLD 0", {}},
        LineCase{"LHLD",
                 {"0: Prawidłowa składnia rozkazu: LHLD [aa]",
                  "W miejsce [aa] należy podać adres z zakresu {0..65535}"}},
        LineCase{"STA 65536", {"0: Nieprawidłowy adres lub jest poza zakresem {0..65535} [65536]"}},
        LineCase{"LDA PETLA", {"0: Nieprawidłowy adres lub jest poza zakresem {0..65535} [PETLA]"}},
        LineCase{"STA 10h,1", {kSecond}}));

INSTANTIATE_TEST_SUITE_P(
    LxiAndMvi, SprawdzLinieTest,
    ::testing::Values(
        LineCase{"LXI H,0FFFFh", {}}, LineCase{"lxi sp , 0", {}}, LineCase{"MVI A,5", {}},
        LineCase{"mvi a,'a'", {}}, LineCase{"MVI M,','", {}},
        LineCase{"LXI H,10000h",
                 {"0: Nieprawidłowa liczba lub jest poza zakresem {0..65535} [10000H]"}},
        LineCase{"LXI SP,-1", {"0: Nieprawidłowa liczba lub jest poza zakresem {0..65535} [-1]"}},
        LineCase{"LXI H,1,2", {"0: Nieprawidłowa liczba lub jest poza zakresem {0..65535} [1,2]"}},
        LineCase{"LXI H", {"0: Należy podać liczbę z zakresu {0..65535}"}},
        LineCase{"LXI H,", {"0: Należy podać liczbę z zakresu {0..65535}"}},
        LineCase{"LXI X,5", {"0: Nieprawidłowy rejestr [X]"}},
        LineCase{"LXI PSW,300000", {"0: Nieprawidłowy rejestr [PSW]"}},
        LineCase{"LXI ,5",
                 {"0: Prawidłowa składnia rozkazu: LXI [rr],[vv]",
                  "W miejsce [rr] należy podać jeden z rejestrów: B,D,H lub SP", kHelpBdh,
                  "W miejsce [vv] należy podać liczbę z zakresu {0..65535}"}},
        LineCase{"MVI A,256", {"0: Nieprawidłowa liczba lub jest poza zakresem {0..255} [256]"}},
        LineCase{"MVI A,-1", {"0: Nieprawidłowa liczba lub jest poza zakresem {0..255} [-1]"}},
        LineCase{"MVI X,5", {"0: Nieprawidłowy rejestr [X]"}},
        LineCase{"MVI A", {"0: Należy podać liczbę z zakresu {0..255}"}},
        LineCase{"MVI A,", {"0: Należy podać liczbę z zakresu {0..255}"}},
        LineCase{"MVI A,5,", {"0: Należy podać liczbę z zakresu {0..255}"}},
        LineCase{"MVI", {"0: Prawidłowa składnia rozkazu: MVI [r],[v]", kHelpR, kHelpV}}));

INSTANTIATE_TEST_SUITE_P(
    Mov, SprawdzLinieTest,
    ::testing::Values(
        LineCase{"MOV A,B", {}}, LineCase{"mov  m , a", {}}, LineCase{"MOV A,M", {}},
        LineCase{"MOV M,M", {"0: Nieznany rozkaz MOV M,M"}},
        LineCase{"MOV X,M", {"0: Nieprawidłowy rejestr [X]"}},
        LineCase{"MOV A,X", {"0: Nieprawidłowy rejestr [X]"}},
        LineCase{"MOV A,B,C", {"0: Nieprawidłowy rejestr [B,C]"}},
        LineCase{"MOV ,M",
                 {"0: Prawidłowa składnia rozkazu: MOV [r1],[r2]",
                  "W miejsce [r1] należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H lub L"}},
        LineCase{"MOV",
                 {"0: Prawidłowa składnia rozkazu: MOV [r1],[r2]",
                  "W miejsce [r1] i [r2] należy podać jeden z 8-bitowych rejestrów: "
                  "A,B,C,D,E,H,L lub M"}},
        LineCase{"MOV ,",
                 {"0: Prawidłowa składnia rozkazu: MOV [r1],[r2]",
                  "W miejsce [r1] i [r2] należy podać jeden z 8-bitowych rejestrów: "
                  "A,B,C,D,E,H,L lub M"}},
        LineCase{"MOV A,", {"0: Należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H,L lub M"}},
        LineCase{"MOV A", {"0: Należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H,L lub M"}},
        LineCase{"MOV M,", {"0: Należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H lub L"}},
        LineCase{"MOV M,M,", {"0: Należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H lub L"}},
        LineCase{"MOV M", {"0: Należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H lub L"}}));

INSTANTIATE_TEST_SUITE_P(
    StackClass, SprawdzLinieTest,
    ::testing::Values(
        LineCase{"PUSH PSW", {}}, LineCase{"pop b", {}},
        LineCase{"PUSH SP", {"0: Nieprawidłowy rejestr [SP]"}},
        LineCase{"PUSH X,Y", {"0: Nieprawidłowy rejestr [X]"}}, LineCase{"PUSH B,C", {kSecond}},
        LineCase{"POP H,", {kSecond}},
        LineCase{"POP",
                 {"0: Prawidłowa składnia rozkazu: POP [rr]",
                  "W miejsce [rr] należy podać jeden z 16-bitowych rejestrów: B,D,H lub PSW",
                  kHelpBdh, kHelpPsw}},
        LineCase{"PUSH ,B",
                 {"0: Prawidłowa składnia rozkazu: PUSH [rr]",
                  "W miejsce [rr] należy podać jeden z 16-bitowych rejestrów: B,D,H lub PSW",
                  kHelpBdh, kHelpPsw}}));

INSTANTIATE_TEST_SUITE_P(
    Rst, SprawdzLinieTest,
    ::testing::Values(
        LineCase{"RST 3", {}}, LineCase{"rst 03h", {}}, LineCase{"RST 0", {}},
        LineCase{"RST 11b", {}},
        LineCase{"RST",
                 {"0: Prawidłowa składnia rozkazu: RST [n]",
                  "W miejsce [n] należy podać numer procedury z zakresu {0..7}"}},
        LineCase{"RST 8",
                 {"0: Nieprawidłowy numer procedury [8], należy podać numer z zakresu {0..7}"}},
        LineCase{"RST -1",
                 {"0: Nieprawidłowy numer procedury [-1], należy podać numer z zakresu {0..7}"}},
        LineCase{"RST X",
                 {"0: Nieprawidłowy numer procedury [X], należy podać numer z zakresu {0..7}"}},
        LineCase{"RST 1", {"0: Brak zdefiniowanej etykiety do procedury [RST_1]"}},
        LineCase{"RST 01H", {"0: Brak zdefiniowanej etykiety do procedury [RST_01H]"}},
        LineCase{"RST 3,1", {kSecond}},
        LineCase{"RST 8,",
                 {"0: Nieprawidłowy numer procedury [8], należy podać numer z zakresu {0..7}",
                  kSecond}}));

// A message quotes at most 40 characters of the student's text; a cut never splits a character.
INSTANTIATE_TEST_SUITE_P(
    LongOperands, SprawdzLinieTest,
    ::testing::Values(LineCase{"ADD " + std::string(40, 'X'),
                               {"0: Nieprawidłowy rejestr [" + std::string(40, 'X') + "]"}},
                      LineCase{"ADD " + std::string(39, 'X') + "ąą",
                               {"0: Nieprawidłowy rejestr [" + std::string(39, 'X') + "ą…]"}},
                      LineCase{"RST " + std::string(100, '9'),
                               {"0: Nieprawidłowy numer procedury [" + std::string(40, '9') +
                                "…], należy podać numer z zakresu {0..7}"}}));

TEST(SprawdzLinieReportTest, PrefixesTheLineIndexAndKeepsEarlierLines) {
  const LabelTable labels = SampleLabels();
  ErrorList errors{"7: Nieprawidłowy rejestr [Q]"};
  bool programChecked = true;
  SprawdzLinie("ADD X", 1234, labels, errors, programChecked);
  SprawdzLinie("LXI", 10, labels, errors, programChecked);
  EXPECT_EQ(errors, (Lines{"7: Nieprawidłowy rejestr [Q]", "1234: Nieprawidłowy rejestr [X]",
                           "10: Prawidłowa składnia rozkazu: LXI [rr],[vv]",
                           "W miejsce [rr] należy podać jeden z rejestrów: B,D,H lub SP", kHelpBdh,
                           "W miejsce [vv] należy podać liczbę z zakresu {0..65535}"}));
  EXPECT_FALSE(programChecked);
}

TEST(SprawdzLinieReportTest, NeverSetsProgramCheckedBack) {
  const LabelTable labels = SampleLabels();
  ErrorList errors;
  bool programChecked = false;
  SprawdzLinie("MOV A,B", 0, labels, errors, programChecked);
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(programChecked);
}

// Each mnemonic of a class answers a bare line with the syntax and help of that class.
struct ClassCase {
  std::string name;
  std::string members;  // space-separated, as the classes are listed for students
  Lines bareLine;       // "{}" stands for the mnemonic
};

Lines WithMnemonic(const Lines& lines, const std::string& mnemonic) {
  Lines result;
  for (std::string line : lines) {
    if (const auto at = line.find("{}"); at != std::string::npos) line.replace(at, 2, mnemonic);
    result.push_back(line);
  }
  return result;
}

const std::vector<ClassCase> kClasses = {
    {"register",
     " ADC ADD ANA CMP DCR INR ORA SBB SUB XRA ",
     {"0: Prawidłowa składnia rozkazu: {} [r]", kHelpR}},
    {"byte",
     " ACI ADI ANI CPI IN ORI OUT SBI SUI XRI ",
     {"0: Prawidłowa składnia rozkazu: {} [v]", kHelpV}},
    {"jump",
     " CALL CZ CNZ CP CM CC CNC CPE CPO JMP JZ JNZ JP JM JC JNC JPE JPO ",
     {"0: Prawidłowa składnia rozkazu: {} [nazwa]",
      "W miejsce [nazwa] należy podać nazwę etykiety"}},
    {"no operand",
     " CMA CMC DAA DI EI HLT NOP PCHL RAL RAR RLC RRC RIM RET RZ RNZ RP RM RC RNC RPE RPO SIM "
     "SPHL STC XCHG XTHL ",
     {}},
    {"pair",
     " DAD DCX INX ",
     {"0: Prawidłowa składnia rozkazu: {} [rr]",
      "W miejsce [rr] należy podać jeden z 16-bitowych rejestrów: B,D,H lub SP", kHelpBdh}},
    {"address",
     " LDA LHLD STA SHLD ",
     {"0: Prawidłowa składnia rozkazu: {} [aa]",
      "W miejsce [aa] należy podać adres z zakresu {0..65535}"}},
    {"indirect",
     " LDAX STAX ",
     {"0: Prawidłowa składnia rozkazu: {} [rr]",
      "W miejsce [rr] należy podać jeden z 16-bitowych rejestrów: B lub D",
      "B i D to pierwsze litery rejestrów BC i DE"}},
    {"LXI",
     " LXI ",
     {"0: Prawidłowa składnia rozkazu: LXI [rr],[vv]",
      "W miejsce [rr] należy podać jeden z rejestrów: B,D,H lub SP", kHelpBdh,
      "W miejsce [vv] należy podać liczbę z zakresu {0..65535}"}},
    {"MOV",
     " MOV ",
     {"0: Prawidłowa składnia rozkazu: MOV [r1],[r2]",
      "W miejsce [r1] i [r2] należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H,L lub M"}},
    {"MVI", " MVI ", {"0: Prawidłowa składnia rozkazu: MVI [r],[v]", kHelpR, kHelpV}},
    {"stack",
     " POP PUSH ",
     {"0: Prawidłowa składnia rozkazu: {} [rr]",
      "W miejsce [rr] należy podać jeden z 16-bitowych rejestrów: B,D,H lub PSW", kHelpBdh,
      kHelpPsw}},
    {"RST",
     " RST ",
     {"0: Prawidłowa składnia rozkazu: RST [n]",
      "W miejsce [n] należy podać numer procedury z zakresu {0..7}"}},
};

TEST(InstructionClassTest, EveryMnemonicBelongsToExactlyOneClass) {
  int classified = 0;
  for (const InstructionInfo& row : kInstructions) {
    const std::string name(row.mnemonic);
    int classes = 0;
    for (const ClassCase& c : kClasses) {
      if (c.members.find(" " + name + " ") == std::string::npos) continue;
      ++classes;
      EXPECT_EQ(Check(name), WithMnemonic(c.bareLine, name)) << name << " as " << c.name;
      EXPECT_FALSE(Check(name + " A,B,C,D").empty()) << name << " with four operands";
    }
    EXPECT_EQ(classes, 1) << name;
    classified += classes;
  }
  EXPECT_EQ(classified, std::ssize(kInstructions));
}

}  // namespace
}  // namespace kwarcyt
