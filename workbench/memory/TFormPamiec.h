// "Kwarcyt - Pamięć": the whole memory as a hex dump, with an address field, a register to
// follow, the cells at HL and SP marked, and a "Stos" tab with the stack from SP up. It reads
// the machine only while it is shown; writes go to the main window, which owns the machine.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include "workbench/views/ToolWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QTabWidget;

namespace kwarcyt {

struct MachineState;
class MemoryTable;
class MemoryTableModel;
class Program;
class StackModel;

class TFormPamiec : public ToolWindow {
  Q_OBJECT

 public:
  // The program is the one whose lines the stack's return notes quote.
  TFormPamiec(const MachineState& machine, std::function<const Program&()> program,
              QWidget* mainWindow);

  // Cells that changed since the previous moment are drawn marked.
  void TrackChanges(std::function<bool(int address)> changed);
  // Redraws what changed; with follow, also brings the followed register's cell into view
  // when a step was taken or the register moved since it last did.
  void Pokaz(bool follow);

  MemoryTable& Table() { return *table_; }

 signals:
  // Enter or a double-click on a cell: its value entry.
  void cellEditRequested(int address);
  // Two hex digits typed on a cell.
  void cellTyped(int address, int value);

 private:
  void GoToTypedAddress();
  int FollowedAddress() const;

  const MachineState& machine_;
  MemoryTableModel* model_;
  StackModel* stack_;
  QLineEdit* adres_;
  QLabel* bladAdresu_;
  QComboBox* sledz_;
  QCheckBox* dziesietnie_;
  QTabWidget* zakladki_;
  MemoryTable* table_;
  QListView* stos_;
  // Where the followed register pointed, and the machine's clock, when the view last followed
  // it: a cell written by hand elsewhere does not pull the view back.
  struct FollowedMoment {
    int address;
    std::uint64_t clock;
    bool operator==(const FollowedMoment&) const = default;
  };
  std::optional<FollowedMoment> followed_;
};

}  // namespace kwarcyt
