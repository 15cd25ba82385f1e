// Whole programs run step by step to their end, as the run loop drives them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "StepCase.h"
#include "core/RunStart.h"

namespace kwarcyt::testing {
namespace {

struct RunResult {
  RunEnd outcome = RunEnd::None;
  int steps = 0;  // calls of WykonajRozkaz, the last one included
};

// Steps until the run would end; a program that has not ended after the limit fails the test.
RunResult RunToEnd(MachineState& machine, const Program& program, ErrorList& errors) {
  constexpr int kLimit = 1'000'000;
  RunResult result;
  while (result.steps < kLimit) {
    ++result.steps;
    result.outcome = WykonajRozkaz(machine, program, errors);
    if (result.outcome != RunEnd::None) return result;
  }
  ADD_FAILURE() << "the program did not end within " << kLimit << " steps";
  return result;
}

struct ProgramCase {
  std::string name;
  std::vector<std::string> lines;
  Registers after;
  int pcAfter;
  RunEnd outcome;
  int steps;
  std::vector<Cell> memoryAfter;
  ErrorList messages;
};

// clang-format off
const ProgramCase kPrograms[] = {
    {"counter_loop", {"MVI B,5", "MVI A,0", "PETLA:", "ADI 3", "DCR B", "JNZ PETLA", "HLT"},
     {.A = 15, .B = 0, .Z = 1, .AC = 1}, 6, RunEnd::Halted, 3 + 5 * 3 + 1, {}, {}},
    {"pair_countdown_loop", {"LXI B,0010h", "PETLA:", "DCX B", "MOV A,B", "ORA C", "JNZ PETLA", "HLT"},
     {.A = 0, .Z = 1}, 6, RunEnd::Halted, 2 + 16 * 4 + 1, {}, {}},
    {"subroutine_called_twice", {"LXI SP,2000h", "MVI A,3", "CALL PODWOJ", "CALL PODWOJ", "HLT", "PODWOJ:", "ADD A", "RET"},
     {.A = 12, .SP = 0x2000, .P = 1}, 4, RunEnd::Halted, 9, {{0x1FFF, 0}, {0x1FFE, 4}}, {}},
    {"PUSH_POP_PSW_round_trip", {"LXI SP,3000h", "MVI A,80h", "ANI 0FFh", "STC", "PUSH PSW", "XRA A", "POP PSW", "HLT"},
     {.A = 0x80, .SP = 0x3000, .S = 1, .AC = 1, .CY = 1}, 7, RunEnd::Halted, 8, {{0x2FFF, 0x80}, {0x2FFE, 0x91}}, {}},
    // 1999 + 0001 in BCD, low byte into B, high byte into C: 2000.
    {"BCD_addition_with_DAA", {"MVI A,99h", "ADI 01h", "DAA", "MOV B,A", "MVI A,19h", "ACI 00h", "DAA", "MOV C,A", "HLT"},
     {.A = 0x20, .B = 0x00, .C = 0x20, .AC = 1}, 8, RunEnd::Halted, 9, {}, {}},
    {"without_HLT_ends_at_line_0", {"MVI A,1", "/ no HLT", "ADI 1", ""},
     {.A = 2}, 0, RunEnd::EndOfProgram, 4, {}, {}},
    {"jump_to_last_line_label_ends", {"JMP KONIEC", "MVI A,1", "KONIEC:"},
     {}, 0, RunEnd::EndOfProgram, 1, {}, {}},
    {"RST_continues_after_its_label", {"RST 1", "HLT", "RST_1:", "MVI A,7", "HLT"},
     {.A = 7}, 4, RunEnd::Halted, 3, {}, {}},
    {"PCHL_to_line_count_ends_normally", {"LXI H,3", "PCHL", "HLT"},
     {.L = 3}, 0, RunEnd::EndOfProgram, 2, {}, {}},
    {"PCHL_past_line_count_stops_with_error", {"LXI H,4", "PCHL", "HLT"},
     {.L = 4}, 1, RunEnd::RuntimeError, 2, {},
     {"1: Nie można wykonać skoku pod adres 4", "Adres umieszczony w rejestrze HL jest poza kodem programu"}},
    {"RET_to_popped_value_beyond_program", {"LXI H,100", "PUSH H", "RET", "HLT"},
     {.L = 100, .SP = 0}, 2, RunEnd::RuntimeError, 3, {{0xFFFF, 0}, {0xFFFE, 100}},
     {"2: Nie można wykonać skoku pod adres 100", "Adres odłożony na stosie jest poza kodem programu"}},
    {"interrupt_instructions_report_and_go_on", {"EI", "DI", "RIM", "SIM", "HLT"},
     {}, 4, RunEnd::Halted, 5, {},
     {"0: Odblokowano przerwanie INTR", "1: Zablokowano przerwanie INTR", "2: Odblokowano przerwanie RST",
      "3: Zablokowano przerwanie RST"}},
    {"unknown_mnemonic_stops_on_its_line", {"MVI A,1", "MOVE B,A", "MVI A,2"},
     {.A = 1}, 1, RunEnd::RuntimeError, 2, {}, {"1: Nieznany rozkaz [MOVE]"}},
};
// clang-format on

class ProgramTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramTest, EndsWithTheExpectedMachine) {
  const ProgramCase& c = GetParam();
  const Program program(c.lines, LabelsOf(c.lines));
  auto machine = std::make_unique<MachineState>();
  ErrorList errors;

  const RunResult result = RunToEnd(*machine, program, errors);

  EXPECT_EQ(result.outcome, c.outcome);
  EXPECT_EQ(result.steps, c.steps);
  EXPECT_EQ(machine->PC, c.pcAfter);
  EXPECT_EQ(RegistersOf(*machine), c.after);
  auto expected = std::make_unique<MachineState>();
  for (const Cell& cell : c.memoryAfter) expected->Memory[cell.address] = cell.value;
  EXPECT_EQ(Difference(machine->Memory, expected->Memory), "");
  EXPECT_EQ(errors, c.messages);
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramTest, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return info.param.name; });

TEST(ProgramRunTest, HltStopsAgainAtOnceUntilPcChanges) {
  const std::vector<std::string> lines = {"INR A", "HLT", "INR A"};
  const Program program(lines, LabelsOf(lines));
  MachineState machine;
  ErrorList errors;
  ASSERT_EQ(RunToEnd(machine, program, errors).outcome, RunEnd::Halted);
  const RunResult again = RunToEnd(machine, program, errors);
  EXPECT_EQ(again.outcome, RunEnd::Halted);
  EXPECT_EQ(again.steps, 1);
  EXPECT_EQ(machine.PC, 1);
  EXPECT_EQ(machine.A, 1);
}

TEST(ProgramRunTest, SecondRunStartsAtLine0WithTheValuesOfTheFirst) {
  const std::vector<std::string> lines = {"INR A", "LDA 100h", "ADI 10", "STA 100h"};
  const Program program(lines, LabelsOf(lines));
  MachineState machine;
  ErrorList errors;
  ASSERT_EQ(RunToEnd(machine, program, errors).outcome, RunEnd::EndOfProgram);
  ASSERT_EQ(machine.PC, 0);
  EXPECT_EQ(RunToEnd(machine, program, errors).outcome, RunEnd::EndOfProgram);
  EXPECT_EQ(machine.Memory[0x100], 20);
  EXPECT_EQ(machine.A, 20);
  EXPECT_TRUE(errors.empty());
}

// A run begins only on a checked program with PC on one of its lines; a refused start keeps
// the program that ran before.
TEST(ProgramRunTest, PrepareRunDecodesOnlyAProgramThatMayRun) {
  const struct {
    std::vector<std::string> lines;
    int pc;
    RunEnd expected;
  } cases[] = {{{"MVI A,5", "HLT"}, 1, RunEnd::None},
               {{"MVI A,256", "HLT"}, 0, RunEnd::CheckFailed},
               {{"MVI A,5", "HLT"}, 2, RunEnd::NotStarted}};
  for (const auto& c : cases) {
    MachineState machine;
    machine.PC = c.pc;
    ErrorList errors;
    Program program({"NOP"}, {});
    EXPECT_EQ(PrepareRun(c.lines, machine, errors, program), c.expected) << c.lines[0];
    EXPECT_EQ(program.Lines().size(), c.expected == RunEnd::None ? 2u : 1u) << c.lines[0];
    EXPECT_EQ(errors.empty(), c.expected != RunEnd::CheckFailed) << c.lines[0];
  }
}

}  // namespace
}  // namespace kwarcyt::testing
