// A group of register rows: a name label and a value label per row, under the column headings
// "Dec", "Hex" and "Bin".
#pragma once

#include <QGroupBox>
#include <QList>
#include <array>

#include "core/MachineFields.h"

class QLabel;

namespace kwarcyt {

struct RegisterGroupInfo {
  const char* name;
  const char* title;
  std::array<const char*, 3> headingNames;  // objectNames of "Dec", "Hex", "Bin"
  int valueChars;                           // characters in a value row
  // Where the column headings stand, in characters from the start of a row.
  std::array<int, 3> headingColumns;
  QString (*format)(int value);           // the text of a value row
  const MachineField* boldRow = nullptr;  // the accumulator's row stands out
};

// The objectNames of a row's labels, which value entry finds them by: "LabelA" and "A10".
QString NameLabelOf(const MachineField& field);
QString ValueLabelOf(const MachineField& field);

class ChangeMarks;

class RegisterGroup : public QGroupBox {
  Q_OBJECT

 public:
  RegisterGroup(const RegisterGroupInfo& spec, QWidget* parent);

  // Rows stand one under another in the order they are added.
  void AddRow(const MachineField& field);
  void Pokaz(const MachineState& machine);
  // The row's name and value labels, which a click on either edits; empty for a field the
  // group does not show.
  QList<QLabel*> LabelsOf(const MachineField& field) const;
  // Values that changed since the previous moment are drawn marked.
  void TrackChanges(const ChangeMarks& marks) { marks_ = &marks; }

 private:
  struct Row {
    const MachineField* field;
    QLabel* name;
    QLabel* value;
  };

  RegisterGroupInfo spec_;
  int nextRowY_;
  QList<Row> rows_;
  const ChangeMarks* marks_ = nullptr;
};

}  // namespace kwarcyt
