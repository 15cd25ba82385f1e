// The machine cycles of a step: their kinds and clock states as the 8085's documentation gives
// them, their sum against the step's clock states, the buses' addresses and data, and the status
// lines.
#include <gtest/gtest.h>

#include <set>

#include "StepCase.h"
#include "core/MachineCycles.h"

namespace kwarcyt::testing {
namespace {

// Line 0 is the step; CEL is line 2; the stack at 100h holds the return line 1.
struct OneStep {
  explicit OneStep(const std::string& line, bool flagsSet = false, int origin = 0)
      : lines{line, "HLT", "CEL:", "RST_3:", "HLT"},
        program(lines, LabelsOf(lines)),
        code(program, origin) {
    machine.S = machine.Z = machine.P = machine.CY = flagsSet ? 1 : 0;
    machine.SP = 0x100;
    machine.Memory[0x100] = 1;
    machine.setHL(1);  // a line for PCHL, a cell for M
    machine.InputPorts[0x12] = 0x5A;
    machine.A = 0x3C;
    step = PlanStepCycles(machine, program, code);
    WykonajRozkaz(machine, program, errors);
    CompleteStepCycles(step, machine);
  }
  std::vector<std::string> lines;
  Program program;
  MachineCode code;
  MachineState machine;
  ErrorList errors;
  StepCycles step;
};

// Operands for each operand class, in its order: M wherever it may stand.
const std::vector<std::string> kOperands[] = {{"B", "M"},     {"12h"},     {"CEL"},
                                              {""},           {"D", "SP"}, {"10h"},
                                              {"D"},          {"H,10h"},   {"B,C", "M,C", "C,M"},
                                              {"B,1", "M,1"}, {"PSW"},     {"3"}};

TEST(MachineCycles, AddUpToTheStepsClockStatesInEveryFormAndOutcome) {
  for (const InstructionInfo& row : kInstructions) {
    std::set<int> sums;
    for (const std::string& operands : kOperands[static_cast<int>(row.operands)]) {
      for (const bool flagsSet : {false, true}) {
        const OneStep s(std::string(row.mnemonic) + " " + operands, flagsSet);
        EXPECT_EQ(static_cast<std::uint64_t>(s.step.ClockStates()), s.machine.TStates)
            << row.mnemonic << " " << operands;
        EXPECT_EQ(s.step.cycles.front().kind, CycleKind::OpcodeFetch);
        sums.insert(s.step.ClockStates());
      }
    }
    // Every condition holds with all flags clear or with all set, and fails with the other.
    if (row.condition != Always) {
      EXPECT_EQ(sums.size(), 2u) << row.mnemonic;
    }
  }
}

// clang-format off
TEST(MachineCycles, FollowTheProcessorsCyclesForEachKindOfInstruction) {
  const std::pair<const char*, const char*> cases[] = {
      {"MVI M,7", "0: OF 4 MR 3 MW 3"}, {"STA 10h", "0: OF 4 MR 3 MR 3 MW 3"},
      {"CALL CEL", "0: OF 6 MR 3 MR 3 MW 3 MW 3"}, {"DAD B", "0: OF 4 BI 3 BI 3"},
      {"JZ CEL", "0: OF 4 MR 3"}, {"CZ CEL", "0: OF 6 MR 3"}, {"RZ", "0: OF 6"},
      {"IN 12h", "0: OF 4 MR 3 IOR 3"}, {"HLT", "0: OF 4 HALT 1"}, {"MOV M,A", "0: OF 4 MW 3"},
      {"MOV A,M", "0: OF 4 MR 3"}, {"INR M", "0: OF 4 MR 3 MW 3"},
      {"LHLD 10h", "0: OF 4 MR 3 MR 3 MR 3 MR 3"}, {"XTHL", "0: OF 4 MR 3 MR 3 MW 3 MW 3"},
      {"PUSH B", "0: OF 6 MW 3 MW 3"}, {"RET", "0: OF 4 MR 3 MR 3"}, {"INX H", "0: OF 6"},
      {"OUT 12h", "0: OF 4 MR 3 IOW 3"}, {"/ komentarz", "0:"}, {"CEL2:", "0:"}};
  for (const auto& [line, cycles] : cases) EXPECT_EQ(CyclesLine(OneStep(line).step), cycles);
}
// clang-format on

struct Seen {
  int address;
  int data;
  const char* note;
};

void ExpectBuses(const StepCycles& step, const std::vector<Seen>& expected) {
  ASSERT_EQ(step.cycles.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(step.cycles[i].address, expected[i].address) << i;
    EXPECT_EQ(step.cycles[i].data, expected[i].data) << i;
    EXPECT_EQ(step.cycles[i].note, expected[i].note) << i;
  }
}

// clang-format off
TEST(MachineCycles, CarryTheAddressesAndDataKwarcytKnows) {
  // CALL at 2000h to CEL (2004h) stacks line 1; the processor would stack 2003h.
  ExpectBuses(OneStep("CALL CEL", false, 0x2000).step,
              {{0x2000, 0xCD, ""}, {0x2001, 0x04, ""}, {0x2002, 0x20, ""},
               {0xFF, 0x00, "numer wiersza; procesor zapisałby 20h"},
               {0xFE, 0x01, "numer wiersza; procesor zapisałby 03h"}});
  // RET takes line 1 back; the processor would read the address of line 1, 0001h.
  ExpectBuses(OneStep("RET").step, {{0, 0xC9, ""},
                                    {0x100, 0x01, "numer wiersza; procesor odczytałby 01h"},
                                    {0x101, 0x00, "numer wiersza; procesor odczytałby 00h"}});
  const OneStep rst("RST 3", false, 0x2000);
  ExpectBuses(rst.step, {{0x2000, 0xDF, ""}, {0xFF, 0x20, "Kwarcyt nie zapisuje"},
                         {0xFE, 0x01, "Kwarcyt nie zapisuje"}});
  EXPECT_FALSE(rst.step.cycles[1].performed);
  ExpectBuses(OneStep("IN 12h").step, {{0, 0xDB, ""}, {1, 0x12, ""}, {0x1212, 0x5A, ""}});
  ExpectBuses(OneStep("INR M").step, {{0, 0x34, ""}, {1, 0, ""}, {1, 1, ""}});
  ExpectBuses(OneStep("SHLD 10h").step,
              {{0, 0x22, ""}, {1, 0x10, ""}, {2, 0, ""}, {0x10, 0x01, ""}, {0x11, 0x00, ""}});
}
// clang-format on

TEST(MachineCycles, SetTheStatusAndControlLinesOfEachKind) {
  // IO/M, S1, S0, RD, WR, ALE and floating, by kind.
  const std::pair<std::string_view, std::string_view> table[] = {
      {"OF", "0111010"},  {"MR", "0101010"}, {"MW", "0010110"},  {"IOR", "1101010"},
      {"IOW", "1010110"}, {"BI", "0100000"}, {"HALT", "0000001"}};
  for (int kind = 0; kind < 7; ++kind) {
    const CycleSignals s = SignalsOf(static_cast<CycleKind>(kind));
    std::string lines;
    for (const bool line : {s.ioM, s.s1, s.s0, s.read, s.write, s.ale, s.floating}) {
      lines += line ? '1' : '0';
    }
    EXPECT_EQ(CycleName(static_cast<CycleKind>(kind)), table[kind].first);
    EXPECT_EQ(lines, table[kind].second) << table[kind].first;
  }
}

}  // namespace
}  // namespace kwarcyt::testing
