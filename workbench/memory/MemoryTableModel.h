// All 65,536 cells as a table of sixteen cells a row and a column of their characters, read
// from the machine whenever the view asks. Refresh tells the view only about the rows it shows
// that look different now, so a run at speed repaints nothing while the shown cells stay alike.
#pragma once

#include <QAbstractTableModel>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "DumpText.h"

namespace kwarcyt {

struct MachineState;

class MemoryTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kCharactersColumn = kDumpCellsPerRow;

  explicit MemoryTableModel(const MachineState& machine, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Cells that changed since the previous moment are drawn in the colour of changed values.
  void TrackChanges(std::function<bool(int address)> changed) { changed_ = std::move(changed); }
  void SetDecimal(bool decimal);
  bool Decimal() const { return decimal_; }
  const MachineState& Machine() const { return machine_; }
  // Rows first..last are on the screen: each that would look different is redrawn.
  void Refresh(int first, int last);

  static int AddressOf(const QModelIndex& index) {
    return index.row() * kDumpCellsPerRow + index.column();
  }

 private:
  bool Changed(int address) const { return changed_ && changed_(address); }

  const MachineState& machine_;
  std::function<bool(int address)> changed_;
  bool decimal_ = false;
  // What each cell looked like when it was last redrawn: its value, whether it was marked as
  // changed, and where HL and SP pointed.
  std::vector<std::uint8_t> shownValues_;
  std::vector<bool> shownChanged_;
  int shownHl_ = -1;
  int shownSp_ = -1;
};

// The backgrounds of the cells HL and SP point at, shown in the window's legend too.
QColor HlCellColour();
QColor SpCellColour();

}  // namespace kwarcyt
