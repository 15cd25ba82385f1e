// --set, --mem, --in and --dump: number forms, ranges, order, and the refusal of bad options.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <map>
#include <ostream>

#include "RunnerProcess.h"

namespace kwarcyt::testing {
namespace {

// A program that changes nothing, so the final state is what the options set.
const QByteArray kHalt = "HLT\n";

struct SettingCase {
  const char* name;
  QStringList arguments;
  std::map<std::string, int> registers;  // also the flags, by their names
  friend void PrintTo(const SettingCase& c, std::ostream* os) { *os << c.name; }
};

class SetOptionTest : public ::testing::TestWithParam<SettingCase> {};

TEST_P(SetOptionTest, PreparesTheMachine) {
  const SettingCase& c = GetParam();
  const RunnerOutcome run = RunOnFile(QStringList{"--json"} << c.arguments, kHalt);
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  for (const auto& [name, value] : c.registers) {
    const QString key = QString::fromStdString(name);
    const QJsonValue actual = run.json["registers"][key].isUndefined() ? run.json["flags"][key]
                                                                       : run.json["registers"][key];
    EXPECT_EQ(actual.toInt(-1), value) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, SetOptionTest,
    ::testing::Values(
        SettingCase{"Decimal", {"--set", "A=75"}, {{"A", 75}}},
        SettingCase{"Hexadecimal", {"--set", "A=4Bh"}, {{"A", 75}}},
        SettingCase{"Binary", {"--set", "A=01001011b"}, {{"A", 75}}},
        SettingCase{"Character", {"--set", "A='K'"}, {{"A", 75}}},
        SettingCase{"NamesInAnyCase",
                    {"--set", "b=1", "--set", "Sp=2", "--set", "cY=1"},
                    {{"B", 1}, {"SP", 2}, {"CY", 1}}},
        SettingCase{"EveryByteRegister",
                    {"--set", "A=1", "--set", "B=2", "--set", "C=3", "--set", "D=4", "--set", "E=5",
                     "--set", "H=6", "--set", "L=255"},
                    {{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}, {"E", 5}, {"H", 6}, {"L", 255}}},
        SettingCase{"PairsSplitIntoTheirRegisters",
                    {"--set", "BC=0102h", "--set", "DE=0304h", "--set", "HL=0FFFEh"},
                    {{"B", 1}, {"C", 2}, {"D", 3}, {"E", 4}, {"H", 0xFF}, {"L", 0xFE}}},
        SettingCase{"StackPointerTop", {"--set", "SP=65535"}, {{"SP", 65535}}},
        SettingCase{
            "EveryFlag",
            {"--set", "S=1", "--set", "Z=1", "--set", "AC=1", "--set", "P=1", "--set", "CY=1"},
            {{"S", 1}, {"Z", 1}, {"AC", 1}, {"P", 1}, {"CY", 1}}},
        SettingCase{"LaterSettingWins", {"--set", "A=1", "--set", "A=2"}, {{"A", 2}}},
        SettingCase{
            "PairAfterRegister", {"--set", "H=1", "--set", "HL=0203h"}, {{"H", 2}, {"L", 3}}},
        SettingCase{
            "RegisterAfterPair", {"--set", "HL=0203h", "--set", "H=1"}, {{"H", 1}, {"L", 3}}}));

TEST(MemoryOptionTest, WritesCellsInTheOrderGiven) {
  const RunnerOutcome run = RunOnFile(
      {"--json", "--mem", "2000h=1", "--mem", "2001h='A'", "--mem", "2000h=7", "--mem", "':'=5",
       "--mem", "0FFFFh=255", "--dump", "1FFFh:3", "--dump", "58:1", "--dump", "65535:1"},
      kHalt);
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.Dump(0), std::vector<int>({0, 7, 65}));
  EXPECT_EQ(run.Dump(1), std::vector<int>({5}));
  EXPECT_EQ(run.Dump(2), std::vector<int>({255}));
}

TEST(MemoryOptionTest, ProgramSeesTheCellsAndThePorts) {
  const RunnerOutcome run = RunOnFile(
      {"--json", "--set", "HL=3000h", "--mem", "3000h=12", "--in", "7=34", "--in", "0FFh=56"},
      "MOV B,M\nIN 7\nMOV C,A\nIN 255\nOUT 0\nHLT");
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.Register("B"), 12);
  EXPECT_EQ(run.Register("C"), 34);
  EXPECT_EQ(run.Register("A"), 56);
  EXPECT_EQ(run.json["out"][0].toInt(), 56);
}

TEST(DumpOptionTest, ShowsWhatTheProgramWroteInTheOrderGiven) {
  const RunnerOutcome run =
      RunOnFile({"--json", "--dump", "2002h:2", "--dump", "2000h:4", "--dump", "0:0"},
                "LXI H,2000h\nMVI M,1\nINX H\nMVI M,2\nINX H\nMVI M,3\nHLT");
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QJsonArray memory = run.json["memory"].toArray();
  ASSERT_EQ(memory.size(), 3);
  EXPECT_EQ(memory[0]["address"].toInt(), 0x2002);
  EXPECT_EQ(run.Dump(0), std::vector<int>({3, 0}));
  EXPECT_EQ(memory[1]["address"].toInt(), 0x2000);
  EXPECT_EQ(run.Dump(1), std::vector<int>({1, 2, 3, 0}));
  EXPECT_EQ(run.Dump(2), std::vector<int>());
}

TEST(DumpOptionTest, WholeMemoryFits) {
  const RunnerOutcome run = RunOnFile({"--json", "--dump", "0:65536"}, kHalt);
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.Dump(0).size(), 65536u);
}

struct BadCase {
  const char* name;
  QStringList arguments;
  const char* mentioned;  // the message must point at this text
  friend void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }
};

class BadOptionTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadOptionTest, ExitsWithStatusTwoAndAMessage) {
  const BadCase& c = GetParam();
  const RunnerOutcome run = RunOnFile(QStringList{"--json"} << c.arguments, "MVI A,1\nHLT\nNOP");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
  EXPECT_TRUE(run.err.startsWith("kwarcyt-run: ")) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(c.mentioned)) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Options, BadOptionTest,
    ::testing::Values(BadCase{"UnknownOption", {"--fast"}, "fast"},
                      BadCase{"UnknownName", {"--set", "X=1"}, "X"},
                      BadCase{"NameOfAPairHalf", {"--set", "HLX=1"}, "HLX"},
                      BadCase{"NoEqualsSign", {"--set", "A"}, "NAZWA=WARTOŚĆ"},
                      BadCase{"ByteTooLarge", {"--set", "A=256"}, "0..255"},
                      BadCase{"Negative", {"--set", "B=-1"}, "-1"},
                      BadCase{"NotANumber", {"--set", "C=12x"}, "12x"},
                      BadCase{"EmptyValue", {"--set", "D="}, "0..255"},
                      BadCase{"PairTooLarge", {"--set", "HL=65536"}, "0..65535"},
                      BadCase{"FlagAboveOne", {"--set", "CY=2"}, "0..1"},
                      BadCase{"PcBeyondTheLastLine", {"--set", "PC=3"}, "0..2"},
                      BadCase{"AddressTooLarge", {"--mem", "10000h=1"}, "10000h"},
                      BadCase{"CellValueTooLarge", {"--mem", "10=256"}, "256"},
                      BadCase{"CellWithoutValue", {"--mem", "10"}, "ADRES=WARTOŚĆ"},
                      BadCase{"PortTooLarge", {"--in", "256=1"}, "256"},
                      BadCase{"PortValueTooLarge", {"--in", "1=100h"}, "100h"},
                      BadCase{"DumpWithoutCount", {"--dump", "10"}, "ADRES:LICZBA"},
                      BadCase{"DumpBadAddress", {"--dump", "zz:1"}, "zz"},
                      BadCase{"DumpPastTheEndOfMemory", {"--dump", "0FFFFh:2"}, "0..1"},
                      BadCase{"StepsNotANumber", {"--max-steps", "dużo"}, "dużo"},
                      BadCase{"StepsNegative", {"--max-steps", "-1"}, "-1"},
                      BadCase{"BreakPastTheLastLine", {"--break", "3"}, "--break 3"},
                      BadCase{"BreakNegative", {"--break", "-1"}, "-1"},
                      BadCase{"BreakNotANumber", {"--break", "PETLA"}, "PETLA"},
                      BadCase{"TwoFiles", {"second.txt"}, "second.txt"},
                      BadCase{"UnknownFlagRules", {"--flag-rules", "z80"}, "z80"}));

// CPI 0 with A=5 sets CY only under this simulator's rules.
TEST(FlagRulesOptionTest, ChoosesTheRulesOfTheRun) {
  const QByteArray program = "MVI A,5\nCPI 0\nHLT";
  EXPECT_EQ(RunOnFile({"--json", "--flag-rules", "kwarcyt"}, program).Flag("CY"), 1);
  EXPECT_EQ(RunOnFile({"--json", "--flag-rules", "8085"}, program).Flag("CY"), 0);
}

TEST(BadOptionTest, MissingFile) {
  const RunnerOutcome run = RunWithArguments({"--json", "/nonexistent/program.txt"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_TRUE(run.err.contains("/nonexistent/program.txt")) << run.err.toStdString();
}

TEST(BadOptionTest, OptionWithoutItsValue) {
  const RunnerOutcome run = RunWithArguments({"program.txt", "--dump"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_TRUE(run.err.contains("Brak wartości po \"--dump\"")) << run.err.toStdString();
}

TEST(BadOptionTest, NoFile) {
  const RunnerOutcome run = RunWithArguments({"--json"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_TRUE(run.err.contains("nie podano pliku")) << run.err.toStdString();
}

TEST(BadOptionTest, PcOfAnEmptyProgram) {
  const RunnerOutcome run = RunOnFile({"--set", "PC=0"}, "");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.contains("PC=0")) << run.err.toStdString();
}

}  // namespace
}  // namespace kwarcyt::testing
