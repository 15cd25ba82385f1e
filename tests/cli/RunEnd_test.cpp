// How a run ends: every "end" value with its exit status, steps, PC and status bar text.
#include <gtest/gtest.h>

#include <ostream>

#include "RunnerProcess.h"

namespace kwarcyt::testing {
namespace {

struct EndCase {
  const char* name;
  QByteArray program;
  QStringList arguments;
  std::string end;
  int exitCode;
  int steps;
  int pc;
  std::string status;
  std::vector<std::string> errors;
  friend void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }
};

class RunEndTest : public ::testing::TestWithParam<EndCase> {};

TEST_P(RunEndTest, ReportsHowTheRunEnded) {
  const EndCase& c = GetParam();
  const RunnerOutcome run = RunOnFile(QStringList{"--json"} << c.arguments, c.program);
  EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
  EXPECT_EQ(run.End(), c.end);
  EXPECT_EQ(run.Steps(), c.steps);
  EXPECT_EQ(run.Register("PC"), c.pc);
  EXPECT_EQ(run.json["status"].toString().toStdString(), c.status);
  EXPECT_EQ(run.Errors(), c.errors);
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

const std::string kNoStep = "Wykonano rozkaz:";
const QByteArray kPchlOutside = "LXI H,100\nPCHL\n";
const std::vector<std::string> kPchlErrors = {
    "1: Nie można wykonać skoku pod adres 100",
    "Adres umieszczony w rejestrze HL jest poza kodem programu"};

INSTANTIATE_TEST_SUITE_P(
    Endings, RunEndTest,
    ::testing::Values(
        EndCase{"Hlt", "MVI A,5\nHLT", {}, "hlt", 0, 2, 1, "Wykonano rozkaz: MVI A,5", {}},
        EndCase{"HltFirstCompletesNoStep", "HLT\nNOP", {}, "hlt", 0, 1, 0, kNoStep, {}},
        EndCase{
            "RanPastTheLastLine", "MVI A,5\nNOP", {}, "end", 0, 2, 0, "Wykonano rozkaz: NOP", {}},
        EndCase{"LabelLineStatusHasNoInstruction",
                "NOP\nKONIEC:",
                {},
                "end",
                0,
                2,
                0,
                "Wykonano rozkaz: ",
                {}},
        EndCase{"RunTimeError",
                kPchlOutside,
                {},
                "error",
                3,
                2,
                1,
                "Wykonano rozkaz: LXI H,100",
                kPchlErrors},
        EndCase{"ReturnOutsideTheProgram",
                "LXI SP,2000h\nRET",
                {"--mem", "2000h=9"},
                "error",
                3,
                2,
                1,
                "Wykonano rozkaz: LXI SP,2000H",
                {"1: Nie można wykonać skoku pod adres 9",
                 "Adres odłożony na stosie jest poza kodem programu"}},
        EndCase{"Limit",
                "PETLA:\nJMP PETLA",
                {"--max-steps", "10"},
                "limit",
                4,
                10,
                1,
                "Wykonano rozkaz: JMP PETLA",
                {}},
        EndCase{"LimitInHexadecimal",
                "PETLA:\nJMP PETLA",
                {"--max-steps", "0Bh"},
                "limit",
                4,
                11,
                1,
                "Wykonano rozkaz: JMP PETLA",
                {}},
        EndCase{"LimitAfterALabelLine",
                "PETLA:\nJMP PETLA",
                {"--max-steps", "1"},
                "limit",
                4,
                1,
                1,
                "Wykonano rozkaz: ",
                {}},
        EndCase{"ZeroStepsAllowed", "HLT", {"--max-steps", "0"}, "limit", 4, 0, 0, kNoStep, {}},
        // A breakpoint stops the run before its line; the first step always executes, and a
        // limit that runs out just as PC reaches a breakpoint stops there too.
        EndCase{"BreakBeforeALine",
                "MVI B,3\nPETLA:\nDCR B\nJNZ PETLA\nHLT",
                {"--break", "2"},
                "break",
                0,
                2,
                2,
                "Wykonano rozkaz: ",
                {}},
        // A jump to a label goes on after the label line, and a breakpoint on the label
        // pauses there.
        EndCase{"BreakOnALabelAJumpTargets",
                "JMP CEL\nNOP\nCEL:\nHLT",
                {"--break", "2"},
                "break",
                0,
                1,
                3,
                "Wykonano rozkaz: JMP CEL",
                {}},
        EndCase{"BreakOnHlt",
                "NOP\nHLT",
                {"--break", "1"},
                "break",
                0,
                1,
                1,
                "Wykonano rozkaz: NOP",
                {}},
        EndCase{"BreakOnTheFirstLineLetsItRun",
                "NOP\nHLT",
                {"--break", "0"},
                "hlt",
                0,
                2,
                1,
                "Wykonano rozkaz: NOP",
                {}},
        EndCase{"BreakReachedAsTheLimitRunsOut",
                "NOP\nNOP\nHLT",
                {"--break", "1", "--max-steps", "1"},
                "break",
                0,
                1,
                1,
                "Wykonano rozkaz: NOP",
                {}},
        EndCase{"OneStepShortOfHlt",
                "NOP\nHLT",
                {"--max-steps", "1"},
                "limit",
                4,
                1,
                1,
                "Wykonano rozkaz: NOP",
                {}},
        EndCase{"HltOnTheLastAllowedStep",
                "NOP\nHLT",
                {"--max-steps", "2"},
                "hlt",
                0,
                2,
                1,
                "Wykonano rozkaz: NOP",
                {}},
        EndCase{"EndOnTheLastAllowedStep",
                "NOP\nNOP",
                {"--max-steps", "2"},
                "end",
                0,
                2,
                0,
                "Wykonano rozkaz: NOP",
                {}},
        EndCase{"ErrorOnTheLastAllowedStep",
                kPchlOutside,
                {"--max-steps", "2"},
                "error",
                3,
                2,
                1,
                "Wykonano rozkaz: LXI H,100",
                kPchlErrors},
        EndCase{"ReportsOfTheRunAreKept",
                "EI\nDI\nHLT",
                {},
                "hlt",
                0,
                3,
                2,
                "Wykonano rozkaz: DI",
                {"0: Odblokowano przerwanie INTR", "1: Zablokowano przerwanie INTR"}},
        EndCase{"EmptyFileStartsNothing", "", {}, "idle", 0, 0, 0, kNoStep, {}},
        EndCase{"StartsAtPc",
                "MVI A,1\nHLT\nMVI A,2\nNOP",
                {"--set", "PC=2"},
                "end",
                0,
                2,
                0,
                "Wykonano rozkaz: NOP",
                {}},
        EndCase{"CheckFailed",
                "NOP\nMVI A,256\nHLT",
                {},
                "check",
                1,
                0,
                0,
                kNoStep,
                {"1: Nieprawidłowa liczba lub jest poza zakresem {0..255} [256]"}}));

TEST(RunEndTest, DefaultLimitIsOneHundredMillionSteps) {
  const RunnerOutcome run = RunOnFile({"--json"}, "PETLA:\nJMP PETLA\n");
  EXPECT_EQ(run.exitCode, 4);
  EXPECT_EQ(run.End(), "limit");
  EXPECT_EQ(run.Steps(), 100'000'000);
}

struct CheckCase {
  const char* name;
  QByteArray program;
  bool passes;
  friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }
};

class CheckOnlyTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckOnlyTest, ChecksWithoutRunning) {
  const CheckCase& c = GetParam();
  const RunnerOutcome run = RunOnFile({"--check", "--json"}, c.program);
  EXPECT_EQ(run.exitCode, c.passes ? 0 : 1);
  EXPECT_EQ(run.json["checked"].toBool(), c.passes);
  EXPECT_EQ(run.End(), c.passes ? "idle" : "check");
  EXPECT_EQ(run.Steps(), 0);
  EXPECT_EQ(run.Errors().empty(), c.passes);
  EXPECT_EQ(run.Register("A"), 0) << "nothing may run";
  EXPECT_EQ(run.json["status"].toString().toStdString(), "Wykonano rozkaz:");
}

INSTANTIATE_TEST_SUITE_P(
    Programs, CheckOnlyTest,
    ::testing::Values(CheckCase{"Correct", "MVI A,5\nHLT", true},
                      CheckCase{"CorrectWithoutHlt", "MVI A,5", true}, CheckCase{"Empty", "", true},
                      CheckCase{"SyntaxError", "MVI A,5\nMOV A", false},
                      CheckCase{"UndefinedLabel", "MVI A,5\nJMP NIGDZIE", false},
                      CheckCase{"RepeatedLabel", "A:\nA:\nMVI A,5", false}));

}  // namespace
}  // namespace kwarcyt::testing

namespace kwarcyt::testing {
namespace {

constexpr int kMostErrorLines = 100'000;

TEST(ReportFloodTest, LoopThatReportsForeverKeepsTheListBounded) {
  const RunnerOutcome run =
      RunOnFile({"--json", "--max-steps", "250001"}, "PETLA:\nEI\nJMP PETLA\n");
  EXPECT_EQ(run.exitCode, 4);
  const std::vector<std::string> errors = run.Errors();
  ASSERT_EQ(errors.size(), kMostErrorLines + 1u);
  EXPECT_EQ(errors.front(), "1: Odblokowano przerwanie INTR");
  EXPECT_EQ(errors[kMostErrorLines - 1], "1: Odblokowano przerwanie INTR");
  EXPECT_EQ(errors.back(), "Pominięto dalsze komunikaty: 25000");
}

TEST(ReportFloodTest, MessagesOfTheFailingStepAreKept) {
  // 40000 passes with three reports each, then a jump outside the program.
  const RunnerOutcome run = RunOnFile({"--json"},
                                      "LXI D,40000\nPETLA:\nEI\nDI\nRIM\nDCX D\nMOV A,D\nORA E\n"
                                      "JNZ PETLA\nLXI H,1000\nPCHL\n");
  EXPECT_EQ(run.exitCode, 3);
  const std::vector<std::string> errors = run.Errors();
  ASSERT_EQ(errors.size(), kMostErrorLines + 3u);
  EXPECT_EQ(errors[kMostErrorLines], "Pominięto dalsze komunikaty: 20000");
  EXPECT_EQ(errors[kMostErrorLines + 1], "10: Nie można wykonać skoku pod adres 1000");
  EXPECT_EQ(errors.back(), "Adres umieszczony w rejestrze HL jest poza kodem programu");
}

TEST(ReportFloodTest, ExactlyAsManyReportsAsKeptNeedNoNote) {
  const RunnerOutcome run =
      RunOnFile({"--json", "--max-steps", "200001"}, "PETLA:\nEI\nJMP PETLA\n");
  EXPECT_EQ(run.exitCode, 4);
  const std::vector<std::string> errors = run.Errors();
  ASSERT_EQ(errors.size(), static_cast<std::size_t>(kMostErrorLines));
  EXPECT_EQ(errors.back(), "1: Odblokowano przerwanie INTR");
}

}  // namespace
}  // namespace kwarcyt::testing
