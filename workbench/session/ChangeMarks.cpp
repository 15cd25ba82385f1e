#include "workbench/session/ChangeMarks.h"

namespace kwarcyt {

ChangeMarks::ChangeMarks()
    : before_(std::make_unique<MachineState>()), latest_(std::make_unique<MachineState>()) {}

ChangeMarks::~ChangeMarks() = default;

bool ChangeMarks::Moment(const MachineState& now) {
  if (now.SameContents(*latest_)) return false;
  std::swap(before_, latest_);
  *latest_ = now;
  shown_ = true;
  return true;
}

void ChangeMarks::Forget(const MachineState& now) {
  *before_ = now;
  *latest_ = now;
  shown_ = false;
}

bool ChangeMarks::FieldChanged(const MachineField& field, const MachineState& now) const {
  return shown_ && field.read(now) != field.read(*before_);
}

bool ChangeMarks::CellChanged(int address, const MachineState& now) const {
  const auto cell = static_cast<std::size_t>(address & 0xFFFF);
  return shown_ && now.Memory[cell] != before_->Memory[cell];
}

bool ChangeMarks::OutputPortChanged(int port, const MachineState& now) const {
  const auto index = static_cast<std::size_t>(port & 0xFF);
  return shown_ && now.OutputPorts[index] != before_->OutputPorts[index];
}

bool ChangeMarks::InputPortChanged(int port, const MachineState& now) const {
  const auto index = static_cast<std::size_t>(port & 0xFF);
  return shown_ && now.InputPorts[index] != before_->InputPorts[index];
}

bool ChangeMarks::RamHlChanged(const MachineState& now) const {
  return shown_ && now.Memory[static_cast<std::size_t>(now.HL())] !=
                       before_->Memory[static_cast<std::size_t>(before_->HL())];
}

}  // namespace kwarcyt
