// The five standard editing commands (cut, copy, paste, delete, undo). They act on whichever
// text control has the keyboard focus and are enabled by that control's state.
#pragma once

#include <QObject>
#include <QPlainTextEdit>
#include <QPointer>

class QAction;
class QWidget;

namespace kwarcyt {

struct EditCommands {
  QAction* cut;
  QAction* copy;
  QAction* paste;
  QAction* remove;
  QAction* undo;
};

class EditActions : public QObject {
  Q_OBJECT

 public:
  // Until another text control takes the focus, the commands follow the initial target.
  EditActions(EditCommands commands, QPlainTextEdit* initialTarget, QObject* parent);

  QPlainTextEdit* Target() const { return target_; }

 private:
  void FocusChanged(QWidget* now);
  void SetTarget(QPlainTextEdit* target);
  void UpdateStates();

  EditCommands commands_;
  QPointer<QPlainTextEdit> target_;
  QList<QMetaObject::Connection> targetConnections_;
};

}  // namespace kwarcyt
