// The whole-program check runs on every Start; the editing check runs on every keystroke.
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "checker/LabelTable.h"
#include "checker/ProgramCheck.h"

namespace kwarcyt {
namespace {

// A correct program of the given length made of loop blocks with a label each, as a student would
// write it: comments, labels, data moves, arithmetic, jumps, calls, stack and restarts.
std::vector<std::string> RealisticProgram(int lineCount) {
  std::vector<std::string> program;
  for (int block = 0; static_cast<int>(program.size()) < lineCount; ++block) {
    const std::string n = std::to_string(block);
    for (std::string line : std::initializer_list<std::string>{
             "/ blok " + n + ": zapis tablicy", "petla_" + n + ":", "  mvi a,10", "  lxi h,2000h",
             "  mov m,a", "  inx h", "  dcr a", "  jnz petla_" + n, "  call podprogram",
             "  cpi 'a'", "  jmp dalej", "  push psw", "  adi 0FFh", "  sta 4321", "  rst 3",
             "  pop psw"}) {
      program.push_back(std::move(line));
    }
  }
  program.resize(static_cast<std::size_t>(lineCount) - 6);
  for (const char* line : {"dalej:", "hlt", "podprogram:", "ret", "rst_3:", "ret"}) {
    program.emplace_back(line);
  }
  return program;
}

void BM_Kompiluj(benchmark::State& state) {
  const std::vector<std::string> program = RealisticProgram(static_cast<int>(state.range(0)));
  LabelTable labels;
  ErrorList errors;
  bool programChecked = false;
  for (auto _ : state) {
    Kompiluj(program, labels, errors, programChecked);
    benchmark::DoNotOptimize(errors.data());
  }
  if (!programChecked) state.SkipWithError("the benchmark program has faults");
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Kompiluj)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_CheckWhileEditing(benchmark::State& state) {
  const std::vector<std::string> program = RealisticProgram(static_cast<int>(state.range(0)));
  LabelTable labels;
  ErrorList errors;
  bool programChecked = true;
  const int caretRow = static_cast<int>(state.range(0)) / 2;
  for (auto _ : state) {
    CheckWhileEditing(program, caretRow, labels, errors, programChecked);
    benchmark::DoNotOptimize(errors.data());
  }
  if (!errors.empty()) state.SkipWithError("the benchmark program has faults");
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CheckWhileEditing)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kwarcyt
