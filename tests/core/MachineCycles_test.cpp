// The machine cycles of a step: their kinds and clock states as the 8085's documentation gives
// them, their sum against the step's clock states, the buses' addresses and data, and the status
// lines.
#include <gtest/gtest.h>

#include <array>
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

// Operands for each operand class: M wherever it may stand.
std::vector<std::string> OperandsOf(InstructionClass operands) {
  using enum InstructionClass;
  switch (operands) {
    case Register:
      return {"B", "M"};
    case Byte:
      return {"12h"};
    case Jump:
      return {"CEL"};
    case NoOperand:
      return {""};
    case Pair:
      return {"D", "SP"};
    case Address:
      return {"10h"};
    case Indirect:
      return {"D"};
    case Lxi:
      return {"H,10h"};
    case Mov:
      return {"B,C", "M,C", "C,M"};
    case Mvi:
      return {"B,1", "M,1"};
    case Stack:
      return {"PSW"};
    case Rst:
      return {"3"};
  }
  return {};
}

TEST(MachineCycles, AddUpToTheStepsClockStatesInEveryFormAndOutcome) {
  for (const InstructionInfo& row : kInstructions) {
    std::set<int> sums;
    for (const std::string& operands : OperandsOf(row.operands)) {
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

TEST(MachineCycles, FollowTheProcessorsCyclesForEachKindOfInstruction) {
  const std::pair<const char*, const char*> cases[] = {{"MVI M,7", "0: OF 4 MR 3 MW 3"},
                                                       {"STA 10h", "0: OF 4 MR 3 MR 3 MW 3"},
                                                       {"CALL CEL", "0: OF 6 MR 3 MR 3 MW 3 MW 3"},
                                                       {"DAD B", "0: OF 4 BI 3 BI 3"},
                                                       {"JZ CEL", "0: OF 4 MR 3"},
                                                       {"CZ CEL", "0: OF 6 MR 3"},
                                                       {"RZ", "0: OF 6"},
                                                       {"IN 12h", "0: OF 4 MR 3 IOR 3"},
                                                       {"HLT", "0: OF 4 HALT 1"},
                                                       {"MOV M,A", "0: OF 4 MW 3"},
                                                       {"MOV A,M", "0: OF 4 MR 3"},
                                                       {"INR M", "0: OF 4 MR 3 MW 3"},
                                                       {"LHLD 10h", "0: OF 4 MR 3 MR 3 MR 3 MR 3"},
                                                       {"XTHL", "0: OF 4 MR 3 MR 3 MW 3 MW 3"},
                                                       {"PUSH B", "0: OF 6 MW 3 MW 3"},
                                                       {"RET", "0: OF 4 MR 3 MR 3"},
                                                       {"INX H", "0: OF 6"},
                                                       {"OUT 12h", "0: OF 4 MR 3 IOW 3"},
                                                       {"/ komentarz", "0:"},
                                                       {"CEL2:", "0:"}};
  for (const auto& [line, cycles] : cases) EXPECT_EQ(CyclesLine(OneStep(line).step), cycles);
}

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

TEST(MachineCycles, CarryTheAddressesAndDataKwarcytKnows) {
  // CALL at 2000h to CEL (2004h) stacks line 1; the processor would stack 2003h.
  ExpectBuses(OneStep("CALL CEL", false, 0x2000).step,
              {{0x2000, 0xCD, ""},
               {0x2001, 0x04, ""},
               {0x2002, 0x20, ""},
               {0x00FF, 0x00, "numer wiersza; procesor zapisałby 20h"},
               {0x00FE, 0x01, "numer wiersza; procesor zapisałby 03h"}});
  // RET takes line 1 back; the processor would read the address of line 1, 0001h.
  ExpectBuses(OneStep("RET").step, {{0x0000, 0xC9, ""},
                                    {0x0100, 0x01, "numer wiersza; procesor odczytałby 01h"},
                                    {0x0101, 0x00, "numer wiersza; procesor odczytałby 00h"}});
  const OneStep rst("RST 3", false, 0x2000);
  ExpectBuses(rst.step, {{0x2000, 0xDF, ""},
                         {0x00FF, 0x20, "Kwarcyt nie zapisuje"},
                         {0x00FE, 0x01, "Kwarcyt nie zapisuje"}});
  EXPECT_FALSE(rst.step.cycles[1].performed);
  ExpectBuses(OneStep("IN 12h").step, {{0, 0xDB, ""}, {1, 0x12, ""}, {0x1212, 0x5A, ""}});
  ExpectBuses(OneStep("OUT 12h").step, {{0, 0xD3, ""}, {1, 0x12, ""}, {0x1212, 0x3C, ""}});
  ExpectBuses(OneStep("INR M").step, {{0, 0x34, ""}, {1, 0, ""}, {1, 1, ""}});
  ExpectBuses(OneStep("SHLD 10h").step,
              {{0, 0x22, ""}, {1, 0x10, ""}, {2, 0, ""}, {0x10, 0x01, ""}, {0x11, 0x00, ""}});
}

TEST(MachineCycles, SetTheStatusAndControlLinesOfEachKind) {
  struct Lines {
    CycleKind kind;
    const char* name;
    CycleSignals lines;
  };
  const Lines table[] = {
      {CycleKind::OpcodeFetch, "OF", {false, true, true, true, false, true, false}},
      {CycleKind::MemoryRead, "MR", {false, true, false, true, false, true, false}},
      {CycleKind::MemoryWrite, "MW", {false, false, true, false, true, true, false}},
      {CycleKind::IoRead, "IOR", {true, true, false, true, false, true, false}},
      {CycleKind::IoWrite, "IOW", {true, false, true, false, true, true, false}},
      {CycleKind::BusIdle, "BI", {false, true, false, false, false, false, false}},
      {CycleKind::Halt, "HALT", {false, false, false, false, false, false, true}},
  };
  for (const Lines& row : table) {
    const CycleSignals s = SignalsOf(row.kind);
    EXPECT_EQ(CycleName(row.kind), row.name);
    EXPECT_EQ((std::array{s.ioM, s.s1, s.s0, s.read, s.write, s.ale, s.floating}),
              (std::array{row.lines.ioM, row.lines.s1, row.lines.s0, row.lines.read,
                          row.lines.write, row.lines.ale, row.lines.floating}))
        << row.name;
  }
}

}  // namespace
}  // namespace kwarcyt::testing
