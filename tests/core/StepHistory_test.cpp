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
  for (int round = 0; round < 40; ++round) {
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
      ASSERT_EQ(history.StateBeforeLastStep(*copy), kEveryWrite[line] != "HLT") << where;
      if (history.Empty()) continue;
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
  ASSERT_EQ(run.reason, StopReason::Halted);
  ASSERT_EQ(machine->Memory[0x2005], 1);
  // HLT left nothing to take back; every other step did.
  ASSERT_EQ(history.Size(), seen.size() - 1);
  for (std::size_t i = seen.size() - 1; i-- > 0;) {
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
  StepHistory history;
  ErrorList errors;
  constexpr std::int64_t kExtra = 7;
  RunEngine(*machine, program, errors)
      .Run({.steps = static_cast<std::int64_t>(StepHistory::kCapacity) + kExtra,
            .history = &history});
  EXPECT_EQ(history.Size(), StepHistory::kCapacity);
  std::size_t undone = 0;
  while (history.Undo(*machine)) ++undone;
  EXPECT_EQ(undone, StepHistory::kCapacity);
  // The oldest step kept is the one after the first kExtra: the label line, then INX B and
  // JMP by turns (a jump continues after its label line).
  EXPECT_EQ(machine->BC(), 3);
  EXPECT_GE(StepHistory::kCapacity, 1'000'000u);
}

}  // namespace
}  // namespace kwarcyt
