#include "workbench/memory/MemoryWindowCommand.h"

#include <QAction>

#include "workbench/commands/ValueEntry.h"
#include "workbench/memory/TFormPamiec.h"
#include "workbench/session/RunController.h"
#include "workbench/session/Session.h"

namespace kwarcyt {

MemoryWindowCommand::MemoryWindowCommand(Session& session, ValueEntry& entry, QAction& action,
                                         QWidget& mainWindow, RememberPlace rememberPlace)
    : QObject(&mainWindow),
      session_(session),
      entry_(entry),
      action_(action),
      mainWindow_(mainWindow),
      rememberPlace_(std::move(rememberPlace)) {
  connect(&action, &QAction::triggered, this, &MemoryWindowCommand::Toggle);
  connect(&session, &Session::machineChanged, this, &MemoryWindowCommand::Show);
}

void MemoryWindowCommand::Toggle() {
  if (window_ == nullptr) {
    window_ = new TFormPamiec(
        session_.Machine(), [this]() -> const Program& { return session_.Run().CurrentProgram(); },
        &mainWindow_);
    window_->TrackChanges(
        [this](int address) { return session_.Marks().CellChanged(address, session_.Machine()); });
    connect(window_, &TFormPamiec::visibilityChanged, &action_, &QAction::setChecked);
    connect(window_, &TFormPamiec::cellEditRequested, this,
            [this](int address) { entry_.EditValue(entry_.MemoryCell(address)); });
    connect(window_, &TFormPamiec::cellTyped, this, [this](int address, int value) {
      const ValueTarget target = entry_.MemoryCell(address);
      entry_.WriteValue(target, target.read(), value);
    });
    rememberPlace_(QStringLiteral("memory"), window_);
  }
  window_->setVisible(!window_->isVisible());
  action_.setChecked(window_->isVisible());
  Show();
}

void MemoryWindowCommand::Show() {
  // During a run the window refreshes with the other views; it follows a register only when
  // the run rests, so that the view does not jump about many times a second.
  if (window_ != nullptr) window_->Pokaz(!session_.Run().ContinuousRunActive());
}

}  // namespace kwarcyt
