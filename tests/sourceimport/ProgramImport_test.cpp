// The conversion rules, each as source lines with the program and the notes they give.
#include "sourceimport/ProgramImport.h"

#include <gtest/gtest.h>

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
const std::string kJump =
    "nie przekształcono, zostawiono jako komentarz (skok lub wywołanie pod adres: program w "
    "Kwarcycie nie leży w pamięci, w miejsce adresu należy podać etykietę)";
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
                   {"STA C070", "LDA 2050", "lxi d, 1000", "ADI 1000"},
                   {"STA 0C070h", "LDA 2050h", "lxi d,1000h", "ADI 1000"},
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
                   {"Import: 1: " + kJump, "Import: 2: " + kJump},
                   false},
        ImportCase{"UnknownDirectiveAndByteTooLargeAreKeptAsComments",
                   {".title \"x\"", "DB 300"},
                   {"/.title \"x\"", "/DB 300"},
                   {"Import: 0: nie przekształcono, zostawiono jako komentarz (nieznana dyrektywa "
                    ".title)",
                    "Import: 1: nie przekształcono, zostawiono jako komentarz (wartość danych jest "
                    "nieznana lub nie mieści się w komórce)"},
                   false}));

}  // namespace
}  // namespace kwarcyt
