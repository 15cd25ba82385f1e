#include "sourceimport/CommonSyntax.h"

#include <gtest/gtest.h>

namespace kwarcyt {
namespace {

TEST(CommonSyntax, TellsTheCommonSyntaxFromKwarcyts) {
  for (const char* line : {"START: MVI A, 05H ; komentarz", "petla:\tdcr b", "LOOP MOV A,M",
                           "MVI A,05H ; komentarz"}) {
    EXPECT_TRUE(IsCommonSyntaxLine(line)) << line;
  }
  for (const char* line : {"START:", "MVI A,05H", "MVI A,1 // x", "/ opis ; z średnikiem", "; opis",
                           "DANE: DB 5", "COUNT EQU 10"}) {
    EXPECT_FALSE(IsCommonSyntaxLine(line)) << line;
  }
  EXPECT_TRUE(ReportsCommonSyntax({"1: Nieznany rozkaz [START:]"}, {"NOP", "START: NOP"}));
  EXPECT_FALSE(ReportsCommonSyntax({"0: Nieprawidłowy rejestr [X]"}, {"MVI X,1"}));
}

TEST(CommonSyntax, OffersImportForFailingProgramsThatLookForeign) {
  EXPECT_TRUE(WorthImporting("lab.txt", {"NOP", "", "NOP", "X: NOP", "NOP"}));
  EXPECT_FALSE(WorthImporting("lab.txt", {"NOP", "NOP", "NOP", "X: NOP", "NOP"}));
  EXPECT_TRUE(WorthImporting("/home/lab/LAB.S", {"MVI X,1"}));
  EXPECT_FALSE(WorthImporting("lab.asm", {"MVI A,1", "HLT"})) << "a program that passes";
}

}  // namespace
}  // namespace kwarcyt
