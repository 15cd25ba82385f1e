#include "workbench/editor/EditActions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>

namespace kwarcyt {

EditActions::EditActions(EditCommands commands, QPlainTextEdit* initialTarget, QObject* parent)
    : QObject(parent), commands_(commands) {
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { FocusChanged(now); });
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &EditActions::UpdateStates);
  connect(commands_.cut, &QAction::triggered, this, [this] {
    if (target_) target_->cut();
  });
  connect(commands_.copy, &QAction::triggered, this, [this] {
    if (target_) target_->copy();
  });
  connect(commands_.paste, &QAction::triggered, this, [this] {
    if (target_) target_->paste();
  });
  connect(commands_.remove, &QAction::triggered, this, [this] {
    if (target_ && !target_->isReadOnly()) target_->textCursor().removeSelectedText();
  });
  connect(commands_.undo, &QAction::triggered, this, [this] {
    if (target_) target_->undo();
  });
  auto* focused = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget());
  SetTarget(focused != nullptr ? focused : initialTarget);
}

// A menu or a tool button taking the focus for a moment is not a change of the target: only
// another widget of the program that keeps the focus is.
void EditActions::FocusChanged(QWidget* now) {
  if (now == nullptr) return;
  SetTarget(qobject_cast<QPlainTextEdit*>(now));
}

void EditActions::SetTarget(QPlainTextEdit* target) {
  if (target == target_ && target != nullptr) return;
  for (const auto& connection : targetConnections_) disconnect(connection);
  targetConnections_.clear();
  target_ = target;
  if (target_) {
    targetConnections_ = {
        connect(target_, &QPlainTextEdit::selectionChanged, this, &EditActions::UpdateStates),
        connect(target_, &QPlainTextEdit::undoAvailable, this, &EditActions::UpdateStates),
    };
  }
  UpdateStates();
}

void EditActions::UpdateStates() {
  const bool present = target_ != nullptr;
  const bool writable = present && !target_->isReadOnly();
  const bool selection = present && target_->textCursor().hasSelection();
  commands_.cut->setEnabled(writable && selection);
  commands_.copy->setEnabled(selection);
  commands_.remove->setEnabled(writable && selection);
  commands_.paste->setEnabled(writable && !QApplication::clipboard()->text().isEmpty());
  commands_.undo->setEnabled(writable && target_->document()->isUndoAvailable());
}

}  // namespace kwarcyt
