// The keyboard in the main window's views: each value row takes the focus with Tab, shows it
// with a frame, passes it on with the arrow keys, and opens its value entry with Enter or Space
// where the row has one. At the top or bottom row of a scrolling window the arrows scroll it.
#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QLabel;

namespace kwarcyt {

class RowKeyboard : public QObject {
  Q_OBJECT

 public:
  // Opens the row's value entry; false when the row has none.
  using Activate = std::function<bool(QLabel* row)>;
  // Scrolls the rows' window by the given number of rows.
  using Scroll = std::function<void(int rows)>;

  RowKeyboard(Activate activate, QObject* parent);

  // Rows that stand one under another; the arrows move among them.
  void AddRows(const QList<QLabel*>& rows, Scroll scroll = {});

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Group {
    QList<QLabel*> rows;
    Scroll scroll;
  };
  bool MoveFocus(const Group& group, QLabel* row, int step);

  Activate activate_;
  QList<Group> groups_;
};

}  // namespace kwarcyt
