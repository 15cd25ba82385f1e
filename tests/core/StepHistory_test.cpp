#include "core/StepHistory.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "StepCase.h"
#include "core/RunEngine.h"

namespace kwarcyt {
namespace {

using testing::Difference;
using testing::LabelsOf;
using testing::RegistersOf;

// Everything a step may change, compared whole.
void ExpectSameMachine(const MachineState& actual, const MachineState& expected,
                       const std::string& where) {
  EXPECT_EQ(RegistersOf(actual), RegistersOf(expected)) << where;
  EXPECT_EQ(actual.PC, expected.PC) << where;
  EXPECT_EQ(actual.TStates, expected.TStates) << where;
  EXPECT_EQ(Difference(actual.Memory, expected.Memory), "") << where;
  EXPECT_EQ(Difference(actual.OutputPorts, expected.OutputPorts), "") << where;
}

// One line of each way a step writes: through HL, a pair, an address, the stack, a port; and
// the stack read back, so that SP moves both ways.
const std::vector<std::string> kEveryWrite{
    "MOV M,A", "MVI M,5", "INR M",    "DCR M",    "STA 1234h", "SHLD 0FFFFh", "STAX B",
    "STAX D",  "PUSH B",  "PUSH PSW", "CALL CEL", "CNZ CEL",   "CZ CEL",      "XTHL",
    "OUT 7",   "POP H",   "POP PSW",  "RET",      "RST 0",     "DAD SP",      "LXI SP,0",
    "ADD M",   "CMA",     "CEL:",     "JMP CEL",  "HLT",       "INX SP",      "SPHL"};

TEST(StepHistory, TakingAStepBackRestoresTheMachineExactly) {
  const Program program(kEveryWrite, LabelsOf(kEveryWrite));
  std::mt19937 random(8085);
  auto machine = std::make_unique<MachineState>();
  auto before = std::make_unique<MachineState>();
  for (int round = 0; round < 12; ++round) {
    for (auto& cell : machine->Memory) cell = static_cast<std::uint8_t>(random());
    for (int line = 0; line < program.LineCount(); ++line) {
      machine->A = static_cast<int>(random() % 256), machine->B = static_cast<int>(random() % 256);
      machine->C = static_cast<int>(random() % 256), machine->D = static_cast<int>(random() % 256);
      machine->E = static_cast<int>(random() % 256), machine->H = static_cast<int>(random() % 256);
      machine->L = static_cast<int>(random() % 256), machine->Z = static_cast<int>(random() % 2);
      machine->CY = static_cast<int>(random() % 2);
      // The stack at both ends of memory as well as in the middle.
      machine->SP = std::array{0, 1, 0xFFFF, 0xFFFE, 0x8000}[random() % 5];
      machine->PC = line;
      machine->TStates = random();
      *before = *machine;
      StepHistory history;
      ErrorList errors;
      RunEngine(*machine, program, errors).Run({.steps = 1, .history = &history});

      const std::string where = kEveryWrite[static_cast<std::size_t>(line)];
      auto copy = std::make_unique<MachineState>(*machine);
      ASSERT_TRUE(history.StateBeforeLastStep(*copy)) << where;
      ExpectSameMachine(*copy, *before, where);
      ASSERT_TRUE(history.Undo(*machine));
      ExpectSameMachine(*machine, *before, where);
      EXPECT_FALSE(history.Undo(*machine));
    }
  }
}

// A program that calls, pushes, writes memory and ports in a loop, taken back step by step to
// its start.
TEST(StepHistory, WalksBackThroughARunToItsStart) {
  const std::vector<std::string> lines{
      "LXI SP,0", "LXI H,2000h", "MVI B,6", "PETLA:", "CALL ZAPISZ", "DCR B", "JNZ PETLA", "HLT",
      "ZAPISZ:",  "PUSH B",      "MOV M,B", "INX H",  "OUT 3",       "POP B", "RET"};
  const Program program(lines, LabelsOf(lines));
  auto machine = std::make_unique<MachineState>();
  std::vector<std::unique_ptr<MachineState>> seen;
  StepHistory history;
  ErrorList errors;
  RunEngine engine(*machine, program, errors);
  StepsRun run;
  do {
    seen.push_back(std::make_unique<MachineState>(*machine));
    run = engine.Run({.steps = 1, .history = &history});
  } while (!run.Ended());
  ASSERT_EQ(run.reason, RunEnd::Halted);
  ASSERT_EQ(machine->Memory[0x2005], 1);
  ASSERT_EQ(history.Size(), static_cast<std::int64_t>(seen.size()));
  for (std::size_t i = seen.size(); i-- > 0;) {
    EXPECT_EQ(history.LastStepLine(), seen[i]->PC);
    ASSERT_TRUE(history.Undo(*machine));
    ExpectSameMachine(*machine, *seen[i], "step " + std::to_string(i));
  }
  EXPECT_TRUE(history.Empty());
  EXPECT_EQ(history.LastStepLine(), -1);
}

TEST(StepHistory, KeepsTheNewestStepsWhenFull) {
  const std::vector<std::string> lines{"PETLA:", "INX B", "JMP PETLA"};
  const Program program(lines, LabelsOf(lines));
  auto machine = std::make_unique<MachineState>();
  // Snapshots every 4 steps, 3 of them: the last 8 to 12 steps can be taken back.
  StepHistory history(4, 3);
  ErrorList errors;
  RunEngine engine(*machine, program, errors);
  // In stretches of every length, as the window's slices and single steps run.
  std::int64_t executed = 0;
  for (const std::int64_t steps : {1, 3, 2, 5, 1, 7}) {
    executed += engine.Run({.steps = steps, .history = &history}).executed;
  }
  ASSERT_EQ(executed, 19);
  const std::int64_t kept = history.Size();
  EXPECT_GE(kept, history.Reach());
  EXPECT_LE(kept, history.Reach() + 4);
  for (std::int64_t i = 0; i < kept; ++i) ASSERT_TRUE(history.Undo(*machine));
  EXPECT_FALSE(history.Undo(*machine));
  // The label line runs once, then INX B and JMP by turns (a jump continues after its label).
  EXPECT_EQ(machine->BC(), (executed - kept) / 2);
  EXPECT_GE(StepHistory().Reach(), 1'000'000);
}

}  // namespace
}  // namespace kwarcyt
