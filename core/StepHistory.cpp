#include "StepHistory.h"

#include "RunEngine.h"

namespace kwarcyt {

// Everything a step can change.
struct StepHistory::Snapshot {
  std::int64_t step = 0;
  int A, B, C, D, E, H, L, PC, SP, S, Z, AC, P, CY;
  std::uint64_t tstates;
  std::array<std::uint8_t, MachineState::kMemorySize> memory;
  std::array<std::uint8_t, MachineState::kPortCount> inputPorts;
  std::array<std::uint8_t, MachineState::kPortCount> outputPorts;
  // The rules the steps after it ran under; a switch clears the history.
  FlagRules rules;

  void Take(const MachineState& m, std::int64_t at) {
    step = at;
    A = m.A, B = m.B, C = m.C, D = m.D, E = m.E, H = m.H, L = m.L, PC = m.PC, SP = m.SP;
    S = m.S, Z = m.Z, AC = m.AC, P = m.P, CY = m.CY;
    tstates = m.TStates;
    memory = m.Memory;
    inputPorts = m.InputPorts;
    outputPorts = m.OutputPorts;
    rules = m.FlagRuleSet;
  }
  void Restore(MachineState& m) const {
    m.A = A, m.B = B, m.C = C, m.D = D, m.E = E, m.H = H, m.L = L, m.PC = PC, m.SP = SP;
    m.S = S, m.Z = Z, m.AC = AC, m.P = P, m.CY = CY;
    m.TStates = tstates;
    m.Memory = memory;
    m.InputPorts = inputPorts;
    m.OutputPorts = outputPorts;
    m.FlagRuleSet = rules;
  }
};

StepHistory::StepHistory(std::int64_t interval, std::size_t snapshots)
    : interval_(interval), ring_(snapshots) {}

StepHistory::~StepHistory() = default;

const StepHistory::Snapshot& StepHistory::At(std::size_t age) const {
  return *ring_[(oldest_ + age) % ring_.size()];
}

std::int64_t StepHistory::BeforeSteps(const MachineState& machine, const Program& program) {
  program_ = &program;
  if (count_ > 0) {
    const std::int64_t since = steps_ - At(count_ - 1).step;
    if (since < interval_) return interval_ - since;
  }
  std::size_t slot;
  if (count_ < ring_.size()) {
    slot = (oldest_ + count_++) % ring_.size();
  } else {
    slot = oldest_;
    oldest_ = (oldest_ + 1) % ring_.size();
  }
  if (!ring_[slot]) ring_[slot] = std::make_unique<Snapshot>();
  ring_[slot]->Take(machine, steps_);
  return interval_;
}

std::int64_t StepHistory::Size() const {
  return count_ == 0 ? 0 : steps_ - At(0).step;
}

void StepHistory::Clear() {
  count_ = 0;
  steps_ = 0;
}

void StepHistory::Rebuild(std::int64_t step, MachineState& machine) const {
  std::size_t age = count_ - 1;
  while (At(age).step > step) --age;
  const Snapshot& snapshot = At(age);
  snapshot.Restore(machine);
  // The reports of the steps were shown when they first ran.
  ErrorList reports;
  RunEngine engine(machine, *program_, reports);
  for (std::int64_t remaining = step - snapshot.step; remaining > 0;) {
    const StepsRun run = engine.Run({.steps = remaining});
    // A run that ended was begun again from where it stood (HLT, the end of the program, a
    // failing step): the next stretch goes on from there as that run did.
    remaining -= run.executed;
  }
}

bool StepHistory::Undo(MachineState& machine) {
  if (Size() == 0) return false;
  Rebuild(--steps_, machine);
  // Snapshots past the new end would also serve when the steps are taken again, but the
  // snapshot rule counts from the newest one.
  while (count_ > 1 && At(count_ - 1).step > steps_) --count_;
  return true;
}

bool StepHistory::StateBeforeLastStep(MachineState& machine) const {
  if (Size() == 0) return false;
  Rebuild(steps_ - 1, machine);
  return true;
}

int StepHistory::LastStepLine() const {
  if (Size() == 0) return -1;
  auto before = std::make_unique<MachineState>();
  Rebuild(steps_ - 1, *before);
  return before->PC;
}

}  // namespace kwarcyt
