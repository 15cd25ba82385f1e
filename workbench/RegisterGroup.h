// A group of register rows: a name label and a value label per row, under the column headings
// "Dec", "Hex" and "Bin".
#pragma once

#include <QGroupBox>
#include <QList>
#include <span>

class QLabel;

namespace kwarcyt {

struct RegisterRowSpec {
  const char* nameLabel;   // objectName of the name label, e.g. "LabelA"
  const char* caption;     // "A:"
  const char* valueLabel;  // objectName of the value label, e.g. "A10"
  bool bold;               // the accumulator's row stands out
};

struct RegisterGroupSpec {
  const char* name;
  const char* title;
  std::array<const char*, 3> headingNames;  // objectNames of "Dec", "Hex", "Bin"
  std::span<const RegisterRowSpec> rows;
  int valueChars;  // characters in a value row
  // Where the column headings stand, in characters from the start of a row.
  std::array<int, 3> headingColumns;
  QString initialRow;
};

class RegisterGroup : public QGroupBox {
  Q_OBJECT

 public:
  RegisterGroup(const RegisterGroupSpec& spec, QWidget* parent);

  void SetRow(int row, const QString& text);
  int RowCount() const { return static_cast<int>(values_.size()); }

 private:
  QList<QLabel*> values_;
};

}  // namespace kwarcyt
