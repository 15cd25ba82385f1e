// Running arbitrary programs: a checked program for a bounded number of steps, and a program the
// check refused for a few steps, to prove that decoding and executing never misbehave; and
// steps of a checked program taken back, to prove that the history rebuilds states exactly.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "FuzzInput.h"
#include "checker/ProgramCheck.h"
#include "core/RunEngine.h"
#include "core/StepHistory.h"

using namespace kwarcyt;

namespace {

constexpr int kCheckedSteps = 10'000;
constexpr int kUncheckedSteps = 64;

// Through the run engine, as the window and kwarcyt-run run programs, with each completed
// step's status text made as the trace makes it.
void Run(MachineState& machine, const Program& program, int steps) {
  ErrorList errors;
  RunEngine engine(machine, program, errors);
  engine.Run({.steps = steps}, [&program](int line) { program.StatusText(line); });
}

// Steps taken back must leave the machine exactly as a run that never took them: the history
// runs in uneven stretches, as the window's slices do, with small snapshot intervals so that
// rebuilding crosses several of them.
void CheckStepsBack(const MachineState& start, const Program& program, int steps, int back) {
  static const auto machine = std::make_unique<MachineState>();
  static const auto expected = std::make_unique<MachineState>();
  *machine = start;
  StepHistory history(64, 4);
  ErrorList errors;
  RunEngine engine(*machine, program, errors);
  std::int64_t executed = 0;
  for (std::int64_t stretch = 1; executed < steps; stretch = stretch * 3 % 97 + 1) {
    executed += engine.Run({.steps = stretch, .history = &history}).executed;
  }
  back = static_cast<int>(std::min<std::int64_t>(back, history.Size()));
  for (int i = 0; i < back; ++i) history.Undo(*machine);
  *expected = start;
  ErrorList expectedErrors;
  RunEngine straight(*expected, program, expectedErrors);
  for (std::int64_t remaining = executed - back; remaining > 0;) {
    remaining -= straight.Run({.steps = remaining}).executed;
  }
  if (!machine->SameContents(*expected)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto machine = std::make_unique<MachineState>();
  *machine = MachineState{};
  // The first bytes seed registers, so that stack, memory and jump paths start somewhere else
  // than zero; the text of the program follows them.
  if (size >= 4) {
    machine->setHL(data[0] << 8 | data[1]);
    machine->SP = data[2] << 8 | data[3];
    machine->A = data[0];
    machine->B = data[3];
  }
  const std::vector<std::string> lines = fuzz::SplitIntoLines(data, size);

  ErrorList errors;
  Kompiluj(lines, machine->LabelTable, errors, machine->ProgramChecked);
  const Program program(lines, machine->LabelTable);
  if (machine->ProgramChecked) CheckStepsBack(*machine, program, 1000, size % 200);
  Run(*machine, program, machine->ProgramChecked ? kCheckedSteps : kUncheckedSteps);
  return 0;
}
