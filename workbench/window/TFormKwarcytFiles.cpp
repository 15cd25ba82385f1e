// The window's file commands handed over to FileCommands, the close query, files dropped on the
// window, and what the window remembers between runs.
#include <QCloseEvent>
#include <QSlider>

#include "workbench/commands/FileCommands.h"
#include "workbench/commands/RecentFiles.h"
#include "workbench/machinecode/MachineCodeWindows.h"
#include "workbench/session/ProgramDocument.h"
#include "workbench/window/TFormKwarcyt.h"
#include "workbench/window/TextZoom.h"
#include "workbench/window/WindowSettings.h"

namespace kwarcyt {

void TFormKwarcyt::ZakonczExecute() {
  session_->EndRunForClosing();
  if (!files_->SaveQuestionAllows()) return;
  closeApproved_ = true;
  close();
  closeApproved_ = false;
}

// FormCloseQuery
void TFormKwarcyt::closeEvent(QCloseEvent* event) {
  if (!closeApproved_) {
    session_->EndRunForClosing();
    if (!files_->SaveQuestionAllows()) {
      event->ignore();
      return;
    }
  }
  if (windowSettings_) windowSettings_->Store(Remembered());
  event->accept();
}

void TFormKwarcyt::dragEnterEvent(QDragEnterEvent* event) {
  if (!files_->TakeFileDrop(*event)) QMainWindow::dragEnterEvent(event);
}

void TFormKwarcyt::dragMoveEvent(QDragMoveEvent* event) {
  if (!files_->TakeFileDrop(*event)) QMainWindow::dragMoveEvent(event);
}

void TFormKwarcyt::dropEvent(QDropEvent* event) {
  if (!files_->TakeFileDrop(*event)) QMainWindow::dropEvent(event);
}

void TFormKwarcyt::UseSettingsFile(const QString& path) {
  windowSettings_ = std::make_unique<WindowSettings>(path);
  if (!shown_) return;
  ApplyRemembered(windowSettings_->Remembered());
  MoveToRememberedPlace();
}

void TFormKwarcyt::RememberToolWindow(const QString& key, QWidget* window, bool keepSize) {
  if (windowSettings_) windowSettings_->AddToolWindow(key, window, keepSize);
}

RememberedState TFormKwarcyt::Remembered() const {
  RememberedState state{views_.czestotliwosc->value(), settings_, frameGeometry().topLeft(),
                        files_->LastFolder(), files_->Recent().Paths()};
  state.zoom = zoom_->Zoom();
  state.processorFlagRules = Action(Command::FlagiProcesora8085)->isChecked();
  state.machineCodeOrigin = machineCode_->Origin();
  return state;
}

void TFormKwarcyt::ApplyRemembered(const RememberedState& state) {
  if (state.speed) views_.czestotliwosc->setValue(*state.speed);
  settings_ = state.displays;
  files_->SetLastFolder(state.lastFolder);
  files_->Recent().SetPaths(state.recentFiles);
  zoom_->SetZoom(state.zoom);
  Action(Command::FlagiProcesora8085)->setChecked(state.processorFlagRules);
  if (state.machineCodeOrigin) machineCode_->SetOrigin(*state.machineCodeOrigin);
}

}  // namespace kwarcyt
