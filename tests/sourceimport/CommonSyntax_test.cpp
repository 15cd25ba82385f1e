#include "sourceimport/CommonSyntax.h"

#include <gtest/gtest.h>

namespace kwarcyt {
namespace {

TEST(CommonSyntax, TellsTheCommonSyntaxFromKwarcyts) {
  const std::vector<std::pair<std::string, bool>> cases{
      {"START: MVI A, 05H ; komentarz", true},
      {"petla:\tdcr b", true},
      {"LOOP MOV A,M", true},
      {"MVI A,05H ; komentarz", true},
      {"START:", false},
      {"MVI A,05H", false},
      {"MVI A,05H // komentarz", false},
      {"/ komentarz ; z średnikiem", false},
      {"; komentarz sam w wierszu", false},
      {"DANE: DB 5", false},
      {"COUNT EQU 10", false},
  };
  for (const auto& [line, common] : cases) EXPECT_EQ(IsCommonSyntaxLine(line), common) << line;
}

TEST(CommonSyntax, FindsTheReportedLines) {
  const std::vector<std::string> lines{"NOP", "START: MVI A,5", "MVI X,1"};
  EXPECT_TRUE(ReportsCommonSyntax({"1: Nieznany rozkaz [START:]"}, lines));
  EXPECT_FALSE(ReportsCommonSyntax({"2: Nieprawidłowy rejestr [X]"}, lines));
  EXPECT_FALSE(ReportsCommonSyntax({"Program jest pusty", "7: poza programem"}, lines));
}

TEST(CommonSyntax, OffersImportForFailingProgramsThatLookForeign) {
  const std::vector<std::string> oneInFour{"NOP", "", "NOP", "X: NOP", "NOP"};
  const std::vector<std::string> oneInFive{"NOP", "NOP", "NOP", "X: NOP", "NOP"};
  EXPECT_TRUE(WorthImporting("lab.txt", oneInFour));
  EXPECT_FALSE(WorthImporting("lab.txt", oneInFive));
  EXPECT_TRUE(WorthImporting("/home/lab/LAB.S", {"MVI X,1"}));
  EXPECT_TRUE(WorthImporting("lab.a85", {"MVI X,1"}));
  EXPECT_FALSE(WorthImporting("lab.asm", {"MVI A,1", "HLT"})) << "a program that passes";
}

}  // namespace
}  // namespace kwarcyt
