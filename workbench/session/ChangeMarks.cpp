#include "workbench/session/ChangeMarks.h"

#include <QColor>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace kwarcyt {
namespace {

const QColor kChangedColour(0xC8, 0x00, 0x00);
const char* const kChangedProperty = "kwarcytChanged";

}  // namespace

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

void ShowChanged(QWidget& widget, bool changed) {
  if (widget.property(kChangedProperty).toBool() == changed) return;
  widget.setProperty(kChangedProperty, changed);
  if (!changed) {
    // A palette with no roles of its own: the widget takes its parent's again.
    widget.setPalette(QPalette());
    return;
  }
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, kChangedColour);
  palette.setColor(QPalette::ButtonText, kChangedColour);
  widget.setPalette(palette);
}

}  // namespace kwarcyt
