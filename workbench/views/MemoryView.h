// The memory window: seven cells from the scroll position on, and beneath them the cell that HL
// addresses.
#pragma once

#include "workbench/views/CellWindowView.h"

namespace kwarcyt {

struct MachineState;

class MemoryView : public CellWindowView {
  Q_OBJECT

 public:
  MemoryView(MachineState& machine, QWidget* parent);

  // PokazPamiec: the seven rows and the "RAM[HL]:" row.
  void Pokaz() override;
  // The "RAM[HL]:" row is drawn marked when the value it shows changed since the previous
  // moment.
  QLabel* RamHlLabel() const { return ramHl_; }
  void TrackRamHlChange(std::function<bool()> changed) { ramHlChanged_ = std::move(changed); }

 private:
  MachineState& machine_;
  QLabel* ramHl_;
  std::function<bool()> ramHlChanged_;
};

// The input and output port windows; they differ only in their names and the bank they show.
CellWindowView* MakeInputPortsView(MachineState& machine, QWidget* parent);
CellWindowView* MakeOutputPortsView(MachineState& machine, QWidget* parent);

}  // namespace kwarcyt
