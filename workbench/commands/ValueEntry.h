// Value entry: a click on a register, or a double-click on a memory row, the "RAM[HL]" row or an
// input port, opens TFormPodaj for that value and writes the answer back. It works in every run
// state; a running program waits while the dialog is open.
#pragma once

#include <QHash>
#include <QObject>
#include <functional>
#include <vector>

#include "workbench/commands/ValueTarget.h"

class QWidget;

namespace kwarcyt {

class CellWindowView;
class Dialogs;
class MemoryView;
class RegisterGroup;
class Session;

// The views whose values can be edited.
struct EditableViews {
  const RegisterGroup& registers8;
  const RegisterGroup& registers16;
  const MemoryView& memory;
  const CellWindowView& inputPorts;
};

class ValueEntry : public QObject {
  Q_OBJECT

 public:
  ValueEntry(Session& session, QWidget& window, std::function<Dialogs&()> dialogs,
             const EditableViews& views);

  // Opens the entry of the value the label shows; false when it shows none.
  bool EditValueOf(const QObject* label);
  void EditValue(const ValueTarget& target);
  // What every entry does with its answer: writes it, redraws every view, and when the machine
  // changed, takes it as set by hand.
  void WriteValue(const ValueTarget& target, int before, int value);
  // One memory cell, for the memory window.
  ValueTarget MemoryCell(int address);

 protected:
  // Opens the entry when the event is the gesture of a value's label.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddTarget(ValueTarget target);

  Session& session_;
  QWidget& window_;
  std::function<Dialogs&()> dialogs_;
  std::vector<ValueTarget> targets_;
  QHash<const QObject*, std::size_t> targetOf_;
};

}  // namespace kwarcyt
