// The main window among the other programs of the desktop: files dropped on it, the files last
// opened, and what it remembers between runs.
#include <QDir>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QSlider>

#include "RecentFiles.h"
#include "TFormKwarcyt.h"
#include "WindowSettings.h"
#include "sourcefile/FileName.h"
#include "sourcefile/ProgramFile.h"

namespace kwarcyt {

void TFormKwarcyt::OpenRecentFile(const QString& path) {
  if (!StampOf(path).exists) {
    recent_->Remove(path);
    dialogs_->ShowMessage(this, QStringLiteral("Plik „%1” nie istnieje: został usunięty lub "
                                               "przeniesiony. Usunięto go z listy ostatnio "
                                               "otwieranych plików.")
                                    .arg(ShownText(path)));
    return;
  }
  OpenFile(path);
}

QString TFormKwarcyt::DraggedFile(const QDropEvent& event) const {
  if (!Action(Command::Otworz)->isEnabled() || !event.mimeData()->hasUrls()) return {};
  for (const QUrl& url : event.mimeData()->urls()) {
    if (url.isLocalFile()) return LocalFileOf(url);
  }
  return {};
}

bool TFormKwarcyt::TakeFileDrop(QDropEvent& event) {
  const QString path = DraggedFile(event);
  if (path.isEmpty()) return false;
  event.acceptProposedAction();
  if (event.type() == QEvent::Drop) {
    // The drag ends first: the save question must not hold up the program it came from.
    QMetaObject::invokeMethod(
        this, [this, path] { OpenFile(path); }, Qt::QueuedConnection);
  }
  return true;
}

void TFormKwarcyt::dragEnterEvent(QDragEnterEvent* event) {
  if (!TakeFileDrop(*event)) QMainWindow::dragEnterEvent(event);
}

void TFormKwarcyt::dragMoveEvent(QDragMoveEvent* event) {
  if (!TakeFileDrop(*event)) QMainWindow::dragMoveEvent(event);
}

void TFormKwarcyt::dropEvent(QDropEvent* event) {
  if (!TakeFileDrop(*event)) QMainWindow::dropEvent(event);
}

QString TFormKwarcyt::InLastFolder(const QString& name) const {
  return lastFolder_.isEmpty() ? name : QDir(lastFolder_).filePath(name);
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
  return {czestotliwosc_->value(), settings_, frameGeometry().topLeft(), lastFolder_,
          recent_->Paths()};
}

void TFormKwarcyt::ApplyRemembered(const RememberedState& state) {
  if (state.speed) czestotliwosc_->setValue(*state.speed);
  settings_ = state.displays;
  lastFolder_ = state.lastFolder;
  recent_->SetPaths(state.recentFiles);
}

}  // namespace kwarcyt
