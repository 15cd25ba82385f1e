// What changed between two moments a student looks at the machine: after a single step, and
// whenever a run pauses or stops. The views draw every value that differs from the earlier
// moment in a colour of its own; while a run goes on, or after a value was set by hand, nothing
// is marked.
#pragma once

#include <memory>

#include "core/MachineFields.h"
#include "core/MachineState.h"

namespace kwarcyt {

class ChangeMarks {
 public:
  ChangeMarks();
  ~ChangeMarks();

  // A moment to mark against the previous one; false when the machine is as it was then.
  bool Moment(const MachineState& now);
  // Nothing is marked, and the next moment compares with now.
  void Forget(const MachineState& now);
  // Nothing is marked until the next moment.
  void Hide() { shown_ = false; }

  bool FieldChanged(const MachineField& field, const MachineState& now) const;
  bool CellChanged(int address, const MachineState& now) const;
  bool OutputPortChanged(int port, const MachineState& now) const;
  bool InputPortChanged(int port, const MachineState& now) const;
  // The memory view's "RAM[HL]" row: the value it shows, wherever HL points.
  bool RamHlChanged(const MachineState& now) const;

 private:
  std::unique_ptr<MachineState> before_;  // the earlier moment
  std::unique_ptr<MachineState> latest_;  // the later one, which the views show
  bool shown_ = false;
};

}  // namespace kwarcyt
