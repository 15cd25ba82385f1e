// The small dialog of Przejdź do wiersza: a line number, counted as the gutter counts them.
#pragma once

#include <QDialog>

class QSpinBox;

namespace kwarcyt {

class GoToLineDialog : public QDialog {
  Q_OBJECT

 public:
  GoToLineDialog(QWidget* parent, int lastLine, int currentLine);

  int Line() const;

 private:
  QSpinBox* number_;
};

}  // namespace kwarcyt
