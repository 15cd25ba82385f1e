// Running arbitrary programs: a checked program for a bounded number of steps, and a program the
// check refused for a few steps, to prove that decoding and executing never misbehave.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "FuzzInput.h"
#include "checker/Sprawdzanie.h"
#include "core/RunEngine.h"

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
  Run(*machine, program, machine->ProgramChecked ? kCheckedSteps : kUncheckedSteps);
  return 0;
}
