// The flag register: one check box per flag. A click sets or clears the flag at once, also
// during a run; redrawing the boxes from the machine never writes a flag.
#pragma once

#include <QGroupBox>
#include <array>

class QCheckBox;

namespace kwarcyt {

struct MachineState;

class ChangeMarks;

class FlagsView : public QGroupBox {
  Q_OBJECT

 public:
  FlagsView(MachineState& machine, QWidget* parent);

  void PokazFlagi();
  // Flags that changed since the previous moment are drawn marked.
  void TrackChanges(const ChangeMarks& marks) { marks_ = &marks; }

 signals:
  // A click set or cleared a flag.
  void setByHand();

 private:
  void CheckBoxFlagaClick(int flag, bool checked);

  MachineState& machine_;
  std::array<QCheckBox*, 5> boxes_{};
  const ChangeMarks* marks_ = nullptr;
};

}  // namespace kwarcyt
