// The window side of finding a fault: breakpoints in the editor's and the list's gutters, run
// to cursor, step over, step back, and the values a step changed drawn marked.
#include <QAction>

#include "workbench/views/FlagsView.h"
#include "workbench/views/MemoryView.h"
#include "workbench/views/ProgramList.h"
#include "workbench/views/RegisterGroup.h"
#include "workbench/window/TFormKwarcyt.h"

namespace kwarcyt {

int TFormKwarcyt::ChosenLine() const {
  return list_->isVisible() ? list_->currentRow() : memo_->textCursor().blockNumber();
}

void TFormKwarcyt::ToggleBreakpointAt(int line) {
  memo_->ToggleBreakpoint(line);
  list_->UpdateGutter();
  run_->Control().RefreshBreakpoints();
}

void TFormKwarcyt::PrzelaczPulapkeExecute() {
  ToggleBreakpointAt(ChosenLine());
}

void TFormKwarcyt::UsunPulapkiExecute() {
  memo_->ClearBreakpoints();
  list_->UpdateGutter();
  run_->Control().RefreshBreakpoints();
}

std::vector<std::uint8_t> TFormKwarcyt::Breakpoints() const {
  return memo_->Breakpoints();
}

void TFormKwarcyt::UruchomDoKursoraExecute() {
  run_->Control().UruchomDoKursoraExecute(ChosenLine());
}

void TFormKwarcyt::KrokNadExecute() {
  run_->Control().KrokNadExecute();
}

void TFormKwarcyt::KrokWsteczExecute() {
  run_->Control().KrokWsteczExecute();
  UpdateStepBack();
}

void TFormKwarcyt::MachineSetByHand() {
  run_->Control().MachineSetByHand();
  marks_.Forget(machine_);
  UpdateStepBack();
  PokazWszystko();
}

void TFormKwarcyt::UpdateStepBack() {
  Action(Command::KrokWstecz)->setEnabled(run_->Control().CanStepBack());
}

void TFormKwarcyt::EnableStepCommands(bool enabled) {
  // Run to cursor and step over go on from where Krok would.
  for (const Command command : {Command::Krok, Command::UruchomDoKursora, Command::KrokNad}) {
    Action(command)->setEnabled(enabled);
  }
}

void TFormKwarcyt::ShowDebugCommandStates(const CommandStates& states) {
  UpdateStepBack();
  if (states == kContinuousRunStates) {
    marks_.Hide();
  } else if (marks_.Moment(machine_)) {
    PokazWszystko();
  }
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
  // An edited program is no longer the one the steps were taken in.
  connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
    run_->Control().ForgetHistory();
    UpdateStepBack();
  });
  connect(flagi_, &FlagsView::setByHand, this, &TFormKwarcyt::MachineSetByHand);
  for (CellWindowView* view : {static_cast<CellWindowView*>(pamiec_), portyWej_, portyWyj_}) {
    connect(view, &CellWindowView::setByHand, this, &TFormKwarcyt::MachineSetByHand);
  }
  rejestry8_->TrackChanges(marks_);
  rejestry16_->TrackChanges(marks_);
  flagi_->TrackChanges(marks_);
  pamiec_->TrackChanges([this](int address) { return marks_.CellChanged(address, machine_); });
  pamiec_->TrackRamHlChange([this] { return marks_.RamHlChanged(machine_); });
  portyWej_->TrackChanges([this](int port) { return marks_.InputPortChanged(port, machine_); });
  portyWyj_->TrackChanges([this](int port) { return marks_.OutputPortChanged(port, machine_); });
}

}  // namespace kwarcyt
