// The conversion rules, each as source lines with the program and the notes they give.
#include "sourceimport/ProgramImport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace kwarcyt {
namespace {

using Lines = std::vector<std::string>;

struct ImportCase {
  const char* name;
  Lines source;
  Lines program;
  Lines notes;
  bool complete = true;
  friend void PrintTo(const ImportCase& c, std::ostream* os) { *os << c.name; }
};

class ImportTest : public ::testing::TestWithParam<ImportCase> {};

TEST_P(ImportTest, ConvertsAndNotes) {
  const ImportCase& c = GetParam();
  const ImportedProgram imported = ImportProgram(c.source);
  EXPECT_EQ(imported.lines, c.program);
  EXPECT_EQ(imported.notes, c.notes);
  EXPECT_EQ(imported.complete, c.complete);
}

const std::string kAddress =
    " (czterocyfrowy adres bez przyrostka: podręczniki zapisują adresy szesnastkowo)";
const std::string kHexLetter = " (liczba bez przyrostka z cyfrą A–F jest szesnastkowa)";
std::string Jump(const std::string& address) {
  return "nie przekształcono, zostawiono jako komentarz (skok lub wywołanie: pod adresem " +
         address +
         " nie zaczyna się żaden rozkaz programu, a program w Kwarcycie nie leży w pamięci: w "
         "miejsce adresu należy podać etykietę)";
}
std::string Prologue(int at, int count, const std::string& bytes) {
  return "Import: " + std::to_string(at) + ": dodano " + std::to_string(count) +
         " wierszy (do wiersza " + std::to_string(at + count - 1) + "), które wpisują do pamięci " +
         bytes + " danych z dyrektyw ORG i DB/DW; ostatni, LXI H,0, zeruje HL jak przed startem";
}
const std::string kData = "/ Dane programu wpisywane do pamięci przed jego startem";

INSTANTIATE_TEST_SUITE_P(
    Rules, ImportTest,
    ::testing::Values(
        ImportCase{"CommentsAndLabelsGetLinesOfTheirOwn",
                   {"; sum", "", "loop:\tmov a , m ; next byte", "done: ; end", "\tHLT"},
                   {"/ sum", "", "loop:", "/ next byte", "mov a,m", "done:", "/ end", "HLT"},
                   {}},
        ImportCase{"QuotedSemicolonAndCommaStayInTheLiteral",
                   {"CPI ';' ; stop?", "MVI A,','"},
                   {"/ stop?", "CPI ';'", "MVI A,','"},
                   {}},
        ImportCase{"NumberForms",
                   {"LXI H, C100H", "MVI A,0x1F", "MVI B,$ff", "ADI 0AH", "ORI 1010b",
                    "MVI C,\"K\"", "MVI D,20"},
                   {"LXI H,0C100h", "MVI A,1Fh", "MVI B,0ffh", "ADI 0AH", "ORI 1010b", "MVI C,'K'",
                    "MVI D,20"},
                   {}},
        ImportCase{"GuessedHexadecimalIsNoted",
                   {"STA C070", "LDA 2050", "lxi d, 1000"},
                   {"STA 0C070h", "LDA 2050h", "lxi d,1000h"},
                   {"Import: 0: C070 odczytano jako 0C070h" + kHexLetter,
                    "Import: 1: 2050 odczytano jako 2050h" + kAddress,
                    "Import: 2: 1000 odczytano jako 1000h" + kAddress}},
        ImportCase{
            "DataAfterCodeLiesWhereTheCodeEnds",
            {"; table", "ORG 100H", "START: LXI H,T", "HLT", "T: DB 7, 'a' ; data"},
            {"/ table", kData, "/ data", "LXI H,0104h", "MVI M,7", "INX H", "MVI M,'a'", "LXI H,0",
             "START:", "LXI H,0104h", "HLT"},
            {"Import: etykietę danych T zastąpiono jej adresem 0104h", Prologue(1, 7, "2 bajty")}},
        ImportCase{"WordsAreLittleEndianAndStringsAreBytes",
                   {"ORG 10H", "DW 1234H", "DB \"AB\"", "NOP"},
                   {kData, "LXI H,0010h", "MVI M,34h", "INX H", "MVI M,12h", "INX H", "MVI M,'A'",
                    "INX H", "MVI M,'B'", "LXI H,0", "NOP"},
                   {Prologue(0, 10, "4 bajty")}},
        ImportCase{"EquatesAreReplacedAlsoBeforeTheirDefinition",
                   {"MVI A,N+1", "N EQU 5"},
                   {"MVI A,06h"},
                   {"Import: stałą N (EQU) zastąpiono jej wartością 5"}},
        ImportCase{"LabelWithoutColon",
                   {"LOOP DCR B", "JNZ LOOP"},
                   {"LOOP:", "DCR B", "JNZ LOOP"},
                   {"Import: 0: nazwę LOOP przed rozkazem uznano za etykietę"}},
        ImportCase{"TextAfterEndIsDropped",
                   {"HLT", "END", "MOV A,B"},
                   {"HLT"},
                   {"Import: pominięto tekst po dyrektywie END (1 wiersz)"}},
        ImportCase{"AbsoluteJumpIsKeptAsComment",
                   {"START: JMP 2000H", "call 0005", "JZ START"},
                   {"START:", "/JMP 2000H", "/call 0005", "JZ START"},
                   {"Import: 1: " + Jump("2000H"), "Import: 2: " + Jump("0005")},
                   false},
        ImportCase{"UnknownDirectiveAndByteTooLargeAreKeptAsComments",
                   {".title \"x\"", "DB 300"},
                   {"/.title \"x\"", "/DB 300"},
                   {"Import: 0: nie przekształcono, zostawiono jako komentarz (nieznana dyrektywa "
                    ".title)",
                    "Import: 1: nie przekształcono, zostawiono jako komentarz (dane „300”: wartość "
                    "300 nie mieści się w zakresie -128..255)"},
                   false}));

// Forms converted faithfully: the import reports the whole program converted.
struct FormCase {
  const char* name;
  Lines source;
  Lines program;
  friend void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }
};

class FormTest : public ::testing::TestWithParam<FormCase> {};

TEST_P(FormTest, ConvertsFaithfully) {
  const ImportedProgram imported = ImportProgram(GetParam().source);
  EXPECT_EQ(imported.lines, GetParam().program);
  EXPECT_TRUE(imported.complete);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FormTest,
    ::testing::Values(
        FormCase{"HashEquateAndDottedDirectives",
                 {"N #EQU 2", ".EQU K, 3", ".ORG 10H", "X: .DB N*K", "LXI H,X", ".END", "NOP"},
                 {kData, "LXI H,0010h", "MVI M,06h", "LXI H,0", "LXI H,0010h"}},
        FormCase{"CommentsAfterInstructionsAndHashLines",
                 {"# top", "NOP // a", "NOP ; b"},
                 {"/ top", "/ a", "NOP", "/ b", "NOP"}},
        FormCase{"HexPrefixesAndExpressions",
                 {"MVI A,$1F+0x10", "MVI B,HIGH(1234H)", "MVI C,LOW 1234H", "MVI D,(2+3)*4-'A'/13",
                  "MVI E,-1"},
                 {"MVI A,2Fh", "MVI B,12h", "MVI C,34h", "MVI D,0Fh", "MVI E,0FFh"}},
        FormCase{"EquatesInAnyOrderAndDepth",
                 {"MVI A,X0", "X0 EQU X1", "X1 EQU X2+1", "X2 EQU 10"},
                 {"MVI A,0Bh"}},
        FormCase{"AbsoluteJumpsToOwnStatementsGetLabels",
                 {"ORG 2000H", "L: NOP", "JMP 2001H", "JZ $-3", "CALL 2000H"},
                 {"L:", "NOP", "ADR_2001H:", "JMP ADR_2001H", "JZ ADR_2001H", "CALL L"}}));

// Every line the import cannot convert faithfully gives a note and the result is not complete.
struct RefusalCase {
  const char* name;
  Lines source;
  std::string note;
  friend void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }
};

// One DB of 40,000 values: 80,000 lines once converted.
std::string ManyBytes() {
  std::string line = "DB 1";
  for (int i = 1; i < 40000; ++i) line += ",1";
  return line;
}

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, NotesAndReportsIncomplete) {
  const ImportedProgram imported = ImportProgram(GetParam().source);
  EXPECT_FALSE(imported.complete);
  const std::string& expected = GetParam().note;
  EXPECT_TRUE(std::ranges::any_of(imported.notes, [&](const std::string& note) {
    return note.find(expected) != std::string::npos;
  })) << ::testing::PrintToString(imported.notes);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusalTest,
    ::testing::Values(
        RefusalCase{"UnreadableOrigin", {"ORG 0FFFFFFFFFH", "DB 5"}, "nie da się odczytać"},
        RefusalCase{"OriginOutsideMemory", {"ORG 0FFFFH+1", "DB 5"}, "poza pamięcią"},
        RefusalCase{"EquateCycle", {"A1 EQU B1", "B1 EQU A1", "MVI A,A1"}, "sama przez siebie"},
        RefusalCase{"UndefinedName", {"MVI A,X0"}, "nieznana nazwa X0"},
        RefusalCase{"UnknownWord", {"hof"}, "nieznany rozkaz lub dyrektywa hof"},
        RefusalCase{"RegisterForNumber", {"CPI A"}, "A to nazwa rejestru"},
        RefusalCase{"RestartWithoutRoutine", {"RST 7"}, "RST 7 zamieniono na HLT"},
        RefusalCase{"AddressOfCode", {"LP: LXI H,LP"}, "adresu etykiety rozkazu"},
        RefusalCase{"DivisionByZero", {"MVI A,1/0"}, "dzielenie przez zero"},
        RefusalCase{"LabelKwarcytRejects", {"_X: NOP"}, "nie przechodzi sprawdzenia"},
        RefusalCase{"TooManyLines", {ManyBytes()}, "najwyżej 65535"}));

}  // namespace
}  // namespace kwarcyt
