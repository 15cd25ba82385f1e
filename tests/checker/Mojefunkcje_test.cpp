#include "checker/Mojefunkcje.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "checker/InstructionSet.h"

namespace kwarcyt {
namespace {

struct NumberCase {
  std::string text;
  int maximum;
  int expected;
  friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << "[" << c.text << "]"; }
};

class ParseNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberTest, GivesValueOrNegativeResult) {
  const NumberCase& c = GetParam();
  EXPECT_EQ(ParseNumber(c.text, c.maximum), c.expected) << "text: [" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Literals, ParseNumberTest,
    ::testing::Values(
        // hexadecimal
        NumberCase{"FFh", 255, 255}, NumberCase{"ffh", 255, 255}, NumberCase{"0FFH", 255, 255},
        NumberCase{"4Bh", 255, 75}, NumberCase{"H", 255, -1}, NumberCase{"GH", 255, -1},
        NumberCase{"-1H", 255, -1}, NumberCase{"123456789H", 65535, -1},
        NumberCase{"0000000012H", 65535, 0x12}, NumberCase{"10000h", 65535, -2},
        NumberCase{"80000000h", 65535, static_cast<int>(0x80000000u)}, NumberCase{"1 2h", 255, -1},
        // binary
        NumberCase{"101b", 255, 5}, NumberCase{"01001011b", 255, 75}, NumberCase{"B", 255, -1},
        NumberCase{"102B", 255, -1}, NumberCase{"0B", 255, 0}, NumberCase{"0BH", 255, 11},
        NumberCase{"100000000b", 255, -2}, NumberCase{"1" + std::string(39, '0') + "b", 65535, -2},
        NumberCase{"1" + std::string(99, '1') + "b", 65535, -2},
        NumberCase{std::string(100, '1') + "B", 255, -2},
        NumberCase{std::string(100, '0') + "1B", 255, 1},
        // decimal
        NumberCase{"255", 255, 255}, NumberCase{"256", 255, -2}, NumberCase{"-5", 255, -5},
        NumberCase{"+7", 255, 7}, NumberCase{"1 2", 255, -1}, NumberCase{"  12", 255, 12},
        NumberCase{"12 ", 255, -1}, NumberCase{"75", 255, 75}, NumberCase{"0", 0, 0},
        NumberCase{"99999999999", 65535, -1}, NumberCase{"2147483647", 65535, -2},
        NumberCase{"-2147483648", 65535, static_cast<int>(-2147483648LL)},
        NumberCase{"--5", 255, -1},
        // the integer conversion also reads hexadecimal after $, X or 0X when the text ends in a
        // digit
        NumberCase{"$10", 255, 16}, NumberCase{"0x19", 255, 25}, NumberCase{"X10", 255, 16},
        NumberCase{"0x1F", 255, -1}, NumberCase{"$", 255, -1},
        // character
        NumberCase{"'K'", 255, 75}, NumberCase{"'a'", 255, 97}, NumberCase{"'A'", 255, 65},
        NumberCase{"''''", 255, -1}, NumberCase{"'''", 255, 39}, NumberCase{"'ab'", 255, -1},
        NumberCase{"'", 255, -1}, NumberCase{"','", 255, 44}, NumberCase{"\xC4\x85", 255, -1},
        NumberCase{"'\xC4\x85'", 255, -1}, NumberCase{"'\xB9'", 255, -71},
        // empty and maximums of the RST class
        NumberCase{"", 255, -1}, NumberCase{"7", 7, 7}, NumberCase{"8", 7, -2}));

TEST(BinaryValueTest, CountsOnlyOnesAndSaturates) {
  EXPECT_EQ(BinaryValue("101"), 5);
  EXPECT_EQ(BinaryValue("1x1"), 5);
  EXPECT_EQ(BinaryValue(""), 0);
  EXPECT_EQ(BinaryValue(std::string(70, '1')), INT64_MAX);
}

TEST(HexValueTest, AcceptsUpToEightSignificantDigits) {
  EXPECT_EQ(HexValue("FF"), 255);
  EXPECT_EQ(HexValue(""), -1);
  EXPECT_EQ(HexValue("G"), -1);
  EXPECT_EQ(HexValue(" 1"), -1);
  EXPECT_EQ(HexValue("7FFFFFFF"), 0x7FFFFFFF);
  EXPECT_EQ(HexValue("123456789"), -1);
}

struct SplitCase {
  std::string line;
  std::string mnemonic, first, second;
  friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << "[" << c.line << "]"; }
};

class SplitLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLineTest, DividesAtFirstSpaceAndFirstComma) {
  const SplitCase& c = GetParam();
  const std::string normalized = NormalizeLine(c.line);
  const LineParts parts = SplitLine(normalized);
  EXPECT_EQ(parts.mnemonic, c.mnemonic);
  EXPECT_EQ(parts.first, c.first);
  EXPECT_EQ(parts.second, c.second);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitLineTest,
    ::testing::Values(SplitCase{"MOV  A , B", "MOV", "A", "B"},
                      SplitCase{"  mov a,b  ", "MOV", "A", "B"},
                      SplitCase{"MOV A,B,C", "MOV", "A", "B,C"},
                      SplitCase{"MVI A,", "MVI", "A", ""}, SplitCase{"HLT", "HLT", "", ""},
                      SplitCase{"MOV,A B", "MOV,A", "", ""}, SplitCase{"CPI ','", "CPI", "'", "'"},
                      SplitCase{"MVI A,','", "MVI", "A", "','"},
                      SplitCase{"MOV\tA,B", "MOV\tA,B", "", ""}, SplitCase{"PETLA:", "", "", ""},
                      SplitCase{"/komentarz: MOV A,B", "", "", ""}, SplitCase{"", "", "", ""},
                      SplitCase{"PETLA: MOV A,B", "PETLA:", "MOV A", "B"}));

TEST(NormalizeLineTest, TrimsControlCharactersAndUpperCasesAsciiOnly) {
  EXPECT_EQ(NormalizeLine("\t mvi a,'k'\r\n"), "MVI A,'K'");
  EXPECT_EQ(NormalizeLine("\xC4\x85x"), "\xC4\x85X");  // a letter with a diacritic stays
  EXPECT_EQ(NormalizeLine(" \x01 "), "");
}

TEST(LineClassTest, CommentWinsOverLabel) {
  EXPECT_TRUE(IsLabelLine("PETLA:"));
  EXPECT_FALSE(IsLabelLine("/UWAGA:"));
  EXPECT_TRUE(IsCommentLine("/UWAGA:"));
  EXPECT_FALSE(IsLabelLine(""));
}

TEST(IsMnemonicTest, MatchesWholeWordsOfTheList) {
  EXPECT_TRUE(IsMnemonic("RST"));
  EXPECT_TRUE(IsMnemonic("XTHL"));
  EXPECT_TRUE(IsMnemonic("ADC"));
  EXPECT_FALSE(IsMnemonic("LDAXX"));
  EXPECT_FALSE(IsMnemonic("MOV,"));
  EXPECT_FALSE(IsMnemonic(""));
  EXPECT_FALSE(IsMnemonic("mov"));
  EXPECT_FALSE(IsMnemonic("CZ C"));
  for (const InstructionInfo& row : kInstructions) {
    EXPECT_EQ(FindMnemonic(row.mnemonic), &row - kInstructions) << row.mnemonic;
  }
}

TEST(IsLabelNameTest, FirstLetterThenLettersDigitsUnderscore) {
  EXPECT_TRUE(IsLabelName("X_1"));
  EXPECT_TRUE(IsLabelName(std::string(32, 'A')));
  EXPECT_FALSE(IsLabelName(std::string(33, 'A')));
  EXPECT_FALSE(IsLabelName("_X"));
  EXPECT_FALSE(IsLabelName("1ABC"));
  EXPECT_FALSE(IsLabelName("PETLA "));
  EXPECT_FALSE(IsLabelName("petla"));
  EXPECT_FALSE(IsLabelName(""));
}

TEST(FormattersTest, BinaryTextAndPaddedDecimal) {
  EXPECT_EQ(BinaryText(5, 8), "00000101");
  EXPECT_EQ(BinaryText(5, 0), "101");
  EXPECT_EQ(BinaryText(0, 0), "0");
  EXPECT_EQ(BinaryText(0xFFFF, 16), "1111111111111111");
  EXPECT_EQ(BinaryText(0x1FF, 8), "11111111");
  EXPECT_EQ(PaddedDecimal(7, 3, ' '), "  7");
  EXPECT_EQ(PaddedDecimal(12345, 3, ' '), "12345");
  EXPECT_EQ(PaddedDecimal(42, 5, '0'), "00042");
}

TEST(ParityFlagTest, ZeroIsNeverEvenAndCarryCounts) {
  EXPECT_EQ(ParityFlag(3, 0), 1);
  EXPECT_EQ(ParityFlag(3, 1), 0);
  EXPECT_EQ(ParityFlag(0, 0), 0);
  EXPECT_EQ(ParityFlag(0, 1), 0);
  EXPECT_EQ(ParityFlag(1, 1), 1);
  EXPECT_EQ(ParityFlag(0x100, 0), 0);  // only the low eight bits count
}

}  // namespace
}  // namespace kwarcyt
