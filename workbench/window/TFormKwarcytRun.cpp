// The window following the session: the views read the machine when it changed, the program
// list takes the editor's place during a run, and the commands are available as the run allows.
#include <QAction>
#include <QLabel>
#include <QScrollBar>

#include "workbench/editor/ProgramEditor.h"
#include "workbench/session/ProgramDocument.h"
#include "workbench/views/CellWindowView.h"
#include "workbench/views/ElidedPanel.h"
#include "workbench/views/ErrorListView.h"
#include "workbench/views/FlagsView.h"
#include "workbench/views/MemoryView.h"
#include "workbench/views/ProgramList.h"
#include "workbench/views/RegisterGroup.h"
#include "workbench/window/TFormKwarcyt.h"

namespace kwarcyt {

void TFormKwarcyt::ConnectSession() {
  Session* session = session_.get();
  const MachineState& machine = session->Machine();
  connect(session, &Session::machineChanged, flagi_, &FlagsView::PokazFlagi);
  connect(session, &Session::runStopped, stopPanel_, [this](const RunStop& stop) {
    stopPanel_->SetFullText(QString::fromStdString(RunStopText(stop)));
  });
  for (CellWindowView* view : {static_cast<CellWindowView*>(pamiec_), portyWej_, portyWyj_}) {
    connect(session, &Session::machineChanged, view, &CellWindowView::Pokaz);
    connect(view, &CellWindowView::setByHand, session, &Session::MachineSetByHand);
  }
  for (RegisterGroup* group : {rejestry8_, rejestry16_}) {
    connect(session, &Session::machineChanged, group, [group, &machine] { group->Pokaz(machine); });
    group->TrackChanges(session->Marks());
  }
  connect(session, &Session::machineChanged, this, &TFormKwarcyt::PokazTakty);
  connect(session, &Session::stepped, this, [this, &machine](const QString& statusText) {
    statusPanels_[2]->setText(statusText);
    list_->FollowPc(machine.PC);
  });
  connect(session, &Session::runOpened, this, &TFormKwarcyt::ShowProgramList);
  connect(session, &Session::runClosed, this, &TFormKwarcyt::ShowEditor);
  connect(session, &Session::machineReset, this, [this] {
    list_->verticalScrollBar()->setValue(0);
    memo_->setFocus();
  });
  connect(session, &Session::commandStatesChanged, this, &TFormKwarcyt::ShowCommandStates);
  connect(session, &Session::editChecked, this, [this](bool hasLines) {
    Action(Command::Pauza)->setEnabled(false);
    Action(Command::Start)->setEnabled(hasLines);
    EnableStepCommands(hasLines);
  });
  connect(session, &Session::stepBackChanged, Action(Command::KrokWstecz), &QAction::setEnabled);
  connect(session, &Session::documentChanged, this,
          [this] { setWindowTitle(session_->Document().Title()); });
  connect(session, &Session::breakpointsChanged, list_, &ProgramList::UpdateGutter);
  connect(listaBledow_, &ErrorListView::lineChosen, this, &TFormKwarcyt::ShowErrorLine);

  connect(flagi_, &FlagsView::setByHand, session, &Session::MachineSetByHand);
  flagi_->TrackChanges(session->Marks());
  const ChangeMarks& marks = session->Marks();
  pamiec_->TrackChanges([&](int address) { return marks.CellChanged(address, machine); });
  pamiec_->TrackRamHlChange([&] { return marks.RamHlChanged(machine); });
  portyWej_->TrackChanges([&](int port) { return marks.InputPortChanged(port, machine); });
  portyWyj_->TrackChanges([&](int port) { return marks.OutputPortChanged(port, machine); });
}

void TFormKwarcyt::ShowCommandStates(const CommandStates& states) {
  for (const Command command :
       {Command::Nowy, Command::Otworz, Command::Importuj, Command::Zapisz, Command::Zapiszjako}) {
    Action(command)->setEnabled(states.fileCommands);
  }
  Action(Command::Start)->setEnabled(states.start);
  EnableStepCommands(states.krok);
  Action(Command::Pauza)->setEnabled(states.pauza);
  Action(Command::Stop)->setEnabled(states.stop);
}

void TFormKwarcyt::EnableStepCommands(bool enabled) {
  // Run to cursor and step over go on from where Krok would.
  for (const Command command : {Command::Krok, Command::UruchomDoKursora, Command::KrokNad}) {
    Action(command)->setEnabled(enabled);
  }
}

void TFormKwarcyt::ShowProgramList(const std::vector<std::string>& lines, int pc) {
  memo_->hide();
  list_->ShowProgram(lines, pc);
}

void TFormKwarcyt::ShowEditor() {
  list_->hide();
  memo_->show();
  memo_->setFocus();
}

}  // namespace kwarcyt
