// Executed program lines per second, and the cost of taking a program apart when a run starts.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "checker/ProgramCheck.h"
#include "core/RunEngine.h"
#include "core/StepHistory.h"

namespace kwarcyt {
namespace {

LabelTable LabelsOf(const std::vector<std::string>& lines) {
  LabelTable labels;
  ErrorList errors;
  bool checked = false;
  Kompiluj(lines, labels, errors, checked);
  return labels;
}

// Runs the program again and again from line 0, as the runner does; every step is one line.
// Debugged as in the window: ten breakpoints checked at every step (on lines the run never
// reaches), every step kept for stepping back, or both.
enum Debugging { kNone = 0, kBreakpoints = 1, kHistory = 2 };
void RunLoop(benchmark::State& state, const std::vector<std::string>& lines,
             int debugging = kNone) {
  const Program program(lines, LabelsOf(lines));
  auto machine = std::make_unique<MachineState>();
  ErrorList errors;
  RunEngine engine(*machine, program, errors);
  std::vector<std::uint8_t> breakpoints(lines.size() + 10, 0);
  std::fill(breakpoints.end() - 10, breakpoints.end(), 1);
  StepHistory history;
  const RunBudget budget{
      .steps = std::numeric_limits<std::int64_t>::max(),
      .stopAfterReport = false,
      .breakpoints = (debugging & kBreakpoints) != 0 ? breakpoints : std::span<std::uint8_t>{},
      .firstStepFree = true,
      .history = (debugging & kHistory) != 0 ? &history : nullptr};
  std::int64_t executed = 0;
  for (auto _ : state) {
    machine->PC = 0;
    executed += engine.Run(budget).executed;
  }
  benchmark::DoNotOptimize(machine->A);
  state.SetItemsProcessed(executed);
}

void BM_CountdownLoop(benchmark::State& state) {
  RunLoop(state, {"LXI B,FFFFh", "PETLA:", "DCX B", "MOV A,B", "ORA C", "JNZ PETLA", "HLT"});
}
BENCHMARK(BM_CountdownLoop)->Unit(benchmark::kMillisecond);

void BM_CountdownLoopDebugged(benchmark::State& state) {
  RunLoop(state, {"LXI B,FFFFh", "PETLA:", "DCX B", "MOV A,B", "ORA C", "JNZ PETLA", "HLT"},
          static_cast<int>(state.range(0)));
}
BENCHMARK(BM_CountdownLoopDebugged)
    ->Arg(kBreakpoints)
    ->Arg(kHistory)
    ->Arg(kBreakpoints | kHistory)
    ->Unit(benchmark::kMillisecond);

// Memory, the stack and the flag arithmetic: a checksum over 4 KiB with a subroutine call.
void BM_ChecksumWithCalls(benchmark::State& state) {
  RunLoop(state, {"LXI SP,0F000h", "LXI H,1000h", "LXI D,1000h", "MVI B,0", "PETLA:", "CALL DODAJ",
                  "INX H", "DCX D", "MOV A,D", "ORA E", "JNZ PETLA", "HLT", "DODAJ:", "MOV A,B",
                  "ADD M", "DAA", "MOV B,A", "RET"});
}
BENCHMARK(BM_ChecksumWithCalls)->Unit(benchmark::kMillisecond);

// Building a Program: every line is taken apart and its label looked up once.
void BM_BuildProgram(benchmark::State& state) {
  std::vector<std::string> lines;
  for (int i = 0; i < state.range(0) / 4; ++i) {
    std::string label = "L";
    label += std::to_string(i);
    lines.push_back(label);
    lines.back() += ':';
    lines.push_back("  mvi a,'x'");
    lines.push_back("ADD M");
    lines.push_back("JNZ ");
    lines.back() += label;
  }
  const LabelTable labels = LabelsOf(lines);
  for (auto _ : state) {
    const Program program(lines, labels);
    benchmark::DoNotOptimize(program.DecodedLines().data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}
BENCHMARK(BM_BuildProgram)->Arg(1000)->Arg(20000);

}  // namespace
}  // namespace kwarcyt
