// The debugging commands of the window: breakpoints in the editor's and the list's gutters, run
// to cursor, step over and step back, on the caret's line or the list's highlighted one.
#include <QAction>

#include "workbench/editor/ProgramEditor.h"
#include "workbench/views/ProgramList.h"
#include "workbench/window/TFormKwarcyt.h"

namespace kwarcyt {

int TFormKwarcyt::ChosenLine() const {
  return list_->isVisible() ? list_->currentRow() : memo_->textCursor().blockNumber();
}

void TFormKwarcyt::PrzelaczPulapkeExecute() {
  session_->ToggleBreakpoint(ChosenLine());
}

void TFormKwarcyt::UsunPulapkiExecute() {
  session_->ClearBreakpoints();
}

void TFormKwarcyt::UruchomDoKursoraExecute() {
  session_->RunToLine(ChosenLine());
}

void TFormKwarcyt::KrokNadExecute() {
  session_->StepOver();
}

void TFormKwarcyt::KrokWsteczExecute() {
  session_->StepBack();
}

void TFormKwarcyt::ConnectDebugCommands() {
  connect(Action(Command::PrzelaczPulapke), &QAction::triggered, this,
          &TFormKwarcyt::PrzelaczPulapkeExecute);
  connect(Action(Command::UsunPulapki), &QAction::triggered, this,
          &TFormKwarcyt::UsunPulapkiExecute);
  connect(Action(Command::UruchomDoKursora), &QAction::triggered, this,
          &TFormKwarcyt::UruchomDoKursoraExecute);
  connect(Action(Command::KrokNad), &QAction::triggered, this, &TFormKwarcyt::KrokNadExecute);
  connect(Action(Command::KrokWstecz), &QAction::triggered, this, &TFormKwarcyt::KrokWsteczExecute);
}

}  // namespace kwarcyt
