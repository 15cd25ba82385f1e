// The memory window's dump: a table of all cells, in which two hex digits typed on a selected
// cell write it and move to the next one, and Enter or a double-click asks for the cell's value
// entry. What a write does to the machine is the main window's business: the table only asks.
#pragma once

#include <QTableView>
#include <optional>

namespace kwarcyt {

class MemoryTableModel;

class MemoryTable : public QTableView {
  Q_OBJECT

 public:
  MemoryTable(MemoryTableModel& model, QWidget* parent);

  // Brings the cell into view as the hint says; with select, makes it the current, selected
  // cell too.
  void ShowCell(int address, ScrollHint hint, bool select);
  // The selected cell, or the current one.
  std::optional<int> CurrentAddress() const;
  // The rows with a selected cell, in the layout of the dump.
  QString SelectedRowsText() const;
  // Redraws the rows on the screen that look different now.
  void Refresh();

 signals:
  void cellEditRequested(int address);
  void cellTyped(int address, int value);

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  bool TypeDigit(const QString& text);
  void FitSectionsToFont();

  MemoryTableModel& model_;
  std::optional<int> firstDigit_;  // the high half of a value being typed
};

}  // namespace kwarcyt
