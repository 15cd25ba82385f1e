#include "workbench/views/RowKeyboard.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>

namespace kwarcyt {

RowKeyboard::RowKeyboard(Activate activate, QObject* parent)
    : QObject(parent), activate_(std::move(activate)) {}

void RowKeyboard::AddRows(const QList<QLabel*>& rows, Scroll scroll) {
  for (QLabel* row : rows) {
    row->setFocusPolicy(Qt::StrongFocus);
    row->installEventFilter(this);
  }
  groups_.append({rows, std::move(scroll)});
}

bool RowKeyboard::eventFilter(QObject* watched, QEvent* event) {
  auto* row = qobject_cast<QLabel*>(watched);
  if (row == nullptr) return false;
  switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      // A plain frame in the text's own colour: it keeps the colour of a changed value.
      row->setFrameStyle(event->type() == QEvent::FocusIn ? QFrame::Box | QFrame::Plain
                                                          : QFrame::NoFrame);
      return false;
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->modifiers() & ~Qt::KeypadModifier) return false;
      switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
          return activate_(row);
        case Qt::Key_Up:
        case Qt::Key_Down:
          for (const Group& group : groups_) {
            if (group.rows.contains(row)) {
              return MoveFocus(group, row, key->key() == Qt::Key_Up ? -1 : 1);
            }
          }
          return false;
        default:
          return false;
      }
    }
    default:
      return false;
  }
}

bool RowKeyboard::MoveFocus(const Group& group, QLabel* row, int step) {
  const qsizetype next = group.rows.indexOf(row) + step;
  if (next >= 0 && next < group.rows.size()) {
    group.rows[next]->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
  } else if (group.scroll) {
    group.scroll(step);
  }
  return true;
}

}  // namespace kwarcyt
