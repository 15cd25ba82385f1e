// How a line's text becomes an instruction: letter case, spacing, lines that do nothing, unknown
// mnemonics, malformed operands, stale labels, the status bar text and arbitrary input.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "StepCase.h"

namespace kwarcyt::testing {
namespace {

const Registers kBusy{.A = 0x5A,
                      .B = 1,
                      .C = 2,
                      .D = 3,
                      .E = 4,
                      .H = 0x10,
                      .L = 0x20,
                      .SP = 0x3000,
                      .S = 1,
                      .Z = 0,
                      .AC = 1,
                      .P = 0,
                      .CY = 1};

struct Outcome {
  RunEnd outcome;
  int pc;
  Registers registers;
  std::unique_ptr<MachineState> machine;
  ErrorList errors;
};

// Runs one step of line 0 in a program that has the labels a jump, call or RST may name.
Outcome StepFirstLine(const std::string& line) {
  const std::vector<std::string> lines = {line, "NOP", "NOP", "petla:", "Rst_2:", "NOP"};
  const Program program(lines, LabelsOf(lines));
  auto machine = std::make_unique<MachineState>();
  SetRegisters(*machine, kBusy);
  machine->Memory[0x1020] = 0x77;
  machine->Memory[0x3000] = 2;
  Outcome result{};
  result.outcome = WykonajRozkaz(*machine, program, result.errors);
  result.pc = machine->PC;
  result.registers = RegistersOf(*machine);
  result.machine = std::move(machine);
  return result;
}

class SameAsUpperCaseTest : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(SameAsUpperCaseTest, LineActsLikeItsNormalForm) {
  const Outcome written = StepFirstLine(GetParam().first);
  const Outcome normal = StepFirstLine(GetParam().second);
  EXPECT_EQ(written.outcome, normal.outcome);
  EXPECT_EQ(written.pc, normal.pc);
  EXPECT_EQ(written.registers, normal.registers);
  EXPECT_EQ(Difference(written.machine->Memory, normal.machine->Memory), "");
  EXPECT_EQ(written.errors, normal.errors);
}

// The pairs are chosen so that each line changes the machine; a line that did nothing in both
// forms would prove nothing.
INSTANTIATE_TEST_SUITE_P(
    Lines, SameAsUpperCaseTest,
    ::testing::Values(std::pair{"mov a,b", "MOV A,B"}, std::pair{"  Mvi  c , 12h \t", "MVI C,12H"},
                      std::pair{"lxi sp,0ffffh", "LXI SP,0FFFFH"}, std::pair{"mov m,a", "MOV M,A"},
                      std::pair{"jnz petla", "JNZ PETLA"}, std::pair{"call petla", "CALL PETLA"},
                      std::pair{"rst 2", "RST 2"}, std::pair{"push psw", "PUSH PSW"},
                      std::pair{"cpi 5ah", "CPI 5AH"}, std::pair{"dad sp", "DAD SP"},
                      std::pair{"ldax d", "LDAX D"}, std::pair{"rz", "RZ"}, std::pair{"rnz", "RNZ"},
                      std::pair{"ani 101b", "ANI 101B"}, std::pair{"ei", "EI"}));

TEST(CharacterLiteralTest, KeepsTheLetterCaseAsWritten) {
  EXPECT_EQ(StepFirstLine("mvi a,'a'").registers.A, 97);
  EXPECT_EQ(StepFirstLine("MVI A,'a'").registers.A, 97);
  EXPECT_EQ(StepFirstLine("mvi a,'A'").registers.A, 65);
  EXPECT_EQ(StepFirstLine("lxi b,'z'").registers.C, 'z');
  EXPECT_EQ(StepFirstLine("adi 'b'").registers.A, (0x5A + 'b') % 256);
}

// Label, comment and blank lines, and lines the checker would refuse because an operand names
// nothing usable: the machine keeps every value and the run goes on with the next line.
class DoesNothingTest : public ::testing::TestWithParam<std::string> {};

TEST_P(DoesNothingTest, OnlyAdvancesPc) {
  RunAndCompare({.name = "",
                 .lines = {GetParam(), "HLT"},
                 .before = kBusy,
                 .memory = {{0x3000, 2}},
                 .after = kBusy});
}

INSTANTIATE_TEST_SUITE_P(EmptyLines, DoesNothingTest,
                         ::testing::Values("PETLA:", "/ komentarz MOV A,B", "/", "", " \t ",
                                           "MOV A,B:", "nop", "NOP 5"));
INSTANTIATE_TEST_SUITE_P(MalformedOperands, DoesNothingTest,
                         ::testing::Values("MOV X,Y", "MOV A", "MOV A,B,C", "MOV ,B", "MVI A,",
                                           "MVI A,256", "MVI Q,5", "MVI A,-1", "LXI PSW,5",
                                           "LXI B,10000h", "LXI SP", "PUSH SP", "POP X", "POP",
                                           "LDAX H", "STAX SP", "ADI -1", "ADI", "ADD", "ADD BC",
                                           "INR SP", "INX A", "DAD PSW", "RST 8", "RST", "RST 1",
                                           "RST -1", "JMP", "JMP NIEMA", "CALL NIEMA", "CZ NIEMA",
                                           "IN 300", "OUT", "LDA 10000h", "STA x", "CPI ','",
                                           "SHLD", "LHLD 12 34"));

class UnknownMnemonicTest : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(UnknownMnemonicTest, IsReportedAndStopsOnItsLine) {
  RunAndCompare({.name = "",
                 .lines = {"NOP", GetParam().first, "NOP"},
                 .pc = 1,
                 .before = kBusy,
                 .after = kBusy,
                 .pcAfter = 1,
                 .outcome = RunEnd::RuntimeError,
                 .messages = {"1: Nieznany rozkaz [" + GetParam().second + "]"}});
}

INSTANTIATE_TEST_SUITE_P(
    Words, UnknownMnemonicTest,
    ::testing::Values(std::pair{"MOVE A,B", "MOVE"}, std::pair{"petla: mov a,b", "PETLA:"},
                      std::pair{"ldaxx b", "LDAXX"}, std::pair{"mov\ta,b", "MOV\tA,B"},
                      std::pair{"org 100h", "ORG"}, std::pair{", a", ","},
                      std::pair{"\xC4\x85", "\xC4\x85"}, std::pair{"'a'", "'A'"}));

TEST(UnknownMnemonicTest, AppendsToMessagesAlreadyListed) {
  const std::vector<std::string> lines = {"xyz"};
  const Program program(lines, LabelTable{});
  MachineState machine;
  ErrorList errors = {"0: Odblokowano przerwanie INTR"};
  EXPECT_EQ(WykonajRozkaz(machine, program, errors), RunEnd::RuntimeError);
  EXPECT_EQ(errors, (ErrorList{"0: Odblokowano przerwanie INTR", "0: Nieznany rozkaz [XYZ]"}));
}

// A label table left from another text must not send the run outside this one.
TEST(StaleLabelsTest, TargetBeyondTheProgramCountsAsMissing) {
  LabelTable labels;
  labels.Add("DALEJ", 7);
  labels.Add("RST_1", 9);
  for (const char* line : {"JMP DALEJ", "CALL DALEJ", "RST 1"}) {
    const Program program({line, "NOP"}, labels);
    MachineState machine;
    ErrorList errors;
    EXPECT_EQ(WykonajRozkaz(machine, program, errors), RunEnd::None) << line;
    EXPECT_EQ(machine.PC, 1) << line;
    EXPECT_EQ(machine.SP, 0) << line;
  }
}

TEST(StaleLabelsTest, LabelsChangedAfterBuildingDoNotMatter) {
  const std::vector<std::string> lines = {"JMP DALEJ", "NOP", "DALEJ:", "NOP"};
  LabelTable labels = LabelsOf(lines);
  const Program program(lines, labels);
  labels.Clear();
  MachineState machine;
  ErrorList errors;
  WykonajRozkaz(machine, program, errors);
  EXPECT_EQ(machine.PC, 3);
}

TEST(PcOutsideProgramTest, EndsTheRunWithoutExecuting) {
  const std::vector<std::string> lines = {"INR A", "INR A"};
  const Program program(lines, LabelTable{});
  for (const int pc : {2, 5, -1}) {
    MachineState machine;
    machine.PC = pc;
    ErrorList errors;
    EXPECT_EQ(WykonajRozkaz(machine, program, errors), RunEnd::EndOfProgram) << pc;
    EXPECT_EQ(machine.PC, 0) << pc;
    EXPECT_EQ(machine.A, 0) << pc;
  }
  MachineState machine;
  ErrorList errors;
  EXPECT_EQ(WykonajRozkaz(machine, Program{}, errors), RunEnd::EndOfProgram);
  EXPECT_EQ(machine.PC, 0);
}

class StatusTextTest : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(StatusTextTest, NamesTheInstructionInUpperCase) {
  const Program program({"NOP", GetParam().first}, LabelTable{});
  EXPECT_EQ(program.StatusText(1), "Wykonano rozkaz: " + GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StatusTextTest,
    ::testing::Values(std::pair{"mov a , b", "MOV A,B"}, std::pair{"  hlt\t", "HLT"},
                      std::pair{"push psw", "PUSH PSW"}, std::pair{"mvi a,'a'", "MVI A,'A'"},
                      std::pair{"MOV A,B,C", "MOV A,B,C"}, std::pair{"MVI A,", "MVI A"},
                      std::pair{"MVI ,5", "MVI"}, std::pair{"jmp petla", "JMP PETLA"},
                      std::pair{"xyz 1", "XYZ 1"}, std::pair{"PETLA:", ""},
                      std::pair{"/ mov a,b", ""}, std::pair{"", ""}, std::pair{" \t", ""},
                      std::pair{"mvi a," + std::string(100, '0') + "5",
                                "MVI A," + std::string(34, '0') + "…"}));

TEST(StatusTextTest, LineOutsideProgramGivesTheBareText) {
  const Program program({"NOP"}, LabelTable{});
  EXPECT_EQ(program.StatusText(1), "Wykonano rozkaz: ");
  EXPECT_EQ(program.StatusText(-1), "Wykonano rozkaz: ");
}

// Arbitrary text, as a fuzzer would produce it, must keep the machine within its ranges and PC on
// a line of the program.
std::string RandomLine(std::mt19937& random) {
  static const std::vector<std::string> words = {
      "MOV",   "mvi",  "LXI",  "JMP",    "CALL",     "RET",    "RZ",    "PCHL",   "XTHL",
      "PUSH",  "POP",  "RST",  "DAD",    "INR",      "DCR",    "ADI",   "SBB",    "DAA",
      "LHLD",  "SHLD", "STAX", "IN",     "OUT",      "HLT",    "A",     "B",      "M",
      "SP",    "PSW",  "H",    "0FFFFh", "FFh",      "255",    "-1",    "'a'",    "'",
      ",",     ",,",   ":",    "/",      "PETLA",    "petla:", "RST_3", "RST_3:", "7",
      "65535", "100h", "\t",   "  ",     "\xC4\x85", "1b",     "$10",   "0x19",   "99999999999",
      "",      "EI",   "XCHG", "SPHL",   "CMP",      "STA"};
  std::string line;
  const int count = std::uniform_int_distribution<int>(0, 5)(random);
  for (int i = 0; i < count; ++i) {
    line += words[std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(random)];
    const int gap = std::uniform_int_distribution<int>(0, 3)(random);
    line += gap == 0 ? "" : gap == 1 ? " " : gap == 2 ? "," : " , ";
  }
  if (std::uniform_int_distribution<int>(0, 20)(random) == 0) {
    line.push_back(static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random)));
  }
  return line;
}

void ExpectWithinRanges(const MachineState& m, int lineCount, int program) {
  for (const int value : {m.A, m.B, m.C, m.D, m.E, m.H, m.L}) {
    ASSERT_TRUE(value >= 0 && value <= 255) << "program " << program;
  }
  for (const int flag : {m.S, m.Z, m.AC, m.P, m.CY}) {
    ASSERT_TRUE(flag == 0 || flag == 1) << "program " << program;
  }
  ASSERT_TRUE(m.SP >= 0 && m.SP <= 65535) << "program " << program;
  ASSERT_TRUE(m.PC >= 0 && m.PC < std::max(lineCount, 1)) << "program " << program;
}

TEST(ArbitraryTextTest, KeepsTheMachineWithinItsRanges) {
  std::mt19937 random(20240501);
  auto machine = std::make_unique<MachineState>();
  for (int p = 0; p < 500; ++p) {
    std::vector<std::string> lines(std::uniform_int_distribution<int>(0, 12)(random));
    for (std::string& line : lines) line = RandomLine(random);
    const Program program(lines, LabelsOf(lines));
    machine->ResetMachine();
    ErrorList errors;
    for (int step = 0; step < 300; ++step) {
      const RunEnd outcome = WykonajRozkaz(*machine, program, errors);
      ExpectWithinRanges(*machine, program.LineCount(), p);
      if (outcome == RunEnd::Halted || outcome == RunEnd::RuntimeError) break;
    }
  }
}

}  // namespace
}  // namespace kwarcyt::testing
