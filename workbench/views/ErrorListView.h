// The error list: the session's error records, one row each, and a double-click on a row that
// concerns a program line leads to that line.
#pragma once

#include <QPlainTextEdit>
#include <vector>

namespace kwarcyt {

class Session;

class ErrorListView : public QPlainTextEdit {
  Q_OBJECT

 public:
  ErrorListView(const Session& session, QWidget* parent);

 signals:
  void lineChosen(int line);

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void ShowRecords(std::size_t from);

  const Session& session_;
  // The program line of each shown row, -1 where it names none.
  std::vector<int> rowLines_;
};

}  // namespace kwarcyt
