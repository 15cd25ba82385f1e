// The way back through the steps of a run. The machine is deterministic, so instead of noting
// what every step changed, the history keeps a snapshot of the machine every so many steps and
// rebuilds any later state by executing the steps from the snapshot before it again. A run
// thus pays nothing per step; taking a step back executes at most one interval of steps.
// Anything but a step that changes the machine or the program must clear the history.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "MachineState.h"
#include "Program.h"

namespace kwarcyt {

class StepHistory {
 public:
  static constexpr std::int64_t kDefaultInterval = 16384;
  // 128 snapshots of about 64 KiB: 8.4 MB for about two million steps.
  static constexpr std::size_t kDefaultSnapshots = 128;

  explicit StepHistory(std::int64_t interval = kDefaultInterval,
                       std::size_t snapshots = kDefaultSnapshots);
  ~StepHistory();

  // Before steps of program are executed from machine: takes a snapshot when one is due and
  // returns how many steps may run before the next is.
  std::int64_t BeforeSteps(const MachineState& machine, const Program& program);
  // After that many steps were executed.
  void AfterSteps(std::int64_t count) { steps_ += count; }

  // Takes the most recent step back; false when there is none.
  bool Undo(MachineState& machine);
  // Writes into machine (the current machine or a copy of it) the registers, flags, memory and
  // ports before the most recent step, keeping the history as it is; false when there is none.
  bool StateBeforeLastStep(MachineState& machine) const;
  // The line the most recent step executed, or -1 when there is none.
  int LastStepLine() const;
  void Clear();

  // How many steps can be taken back.
  std::int64_t Size() const;
  bool Empty() const { return Size() == 0; }
  // At least this many steps can always be taken back once that many were executed.
  std::int64_t Reach() const { return interval_ * static_cast<std::int64_t>(ring_.size() - 1); }

 private:
  struct Snapshot;

  const Snapshot& At(std::size_t age) const;  // 0: the oldest
  // The machine after `step` steps since the history began, rebuilt into machine.
  void Rebuild(std::int64_t step, MachineState& machine) const;

  std::int64_t interval_;
  std::vector<std::unique_ptr<Snapshot>> ring_;
  std::size_t oldest_ = 0;
  std::size_t count_ = 0;
  std::int64_t steps_ = 0;
  const Program* program_ = nullptr;
};

}  // namespace kwarcyt
