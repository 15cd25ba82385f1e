#include "workbench/commands/FileCommands.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QWidget>

#include "sourcefile/FileName.h"
#include "sourcefile/ProgramFile.h"
#include "workbench/commands/ImportOffer.h"
#include "workbench/commands/RecentFiles.h"
#include "workbench/session/ProgramDocument.h"
#include "workbench/session/Session.h"
#include "workbench/window/Dialogs.h"

namespace kwarcyt {

namespace {

const QString kFileFilter = QStringLiteral("Pliki tekstowe (*.txt)");
const QString kDefaultSuffix = QStringLiteral("txt");

// Said before a restore, so that the Save that follows asks no surprising question.
QString FileSinceCopyText(FileSinceCopy since) {
  switch (since) {
    case FileSinceCopy::Changed:
      return QStringLiteral(" Plik na dysku zmienił się od tamtej chwili.");
    case FileSinceCopy::Vanished:
      return QStringLiteral(" Pliku nie ma już na dysku.");
    case FileSinceCopy::Unchanged:
      break;
  }
  return {};
}

}  // namespace

FileCommands::FileCommands(Session& session, QWidget& window, std::function<Dialogs&()> dialogs,
                           QAction* recentAction, QAction* openAction)
    : QObject(&window),
      session_(session),
      window_(window),
      dialogs_(std::move(dialogs)),
      openAction_(openAction),
      recent_(new RecentFiles(recentAction, openAction, this)) {
  connect(recent_, &RecentFiles::chosen, this, &FileCommands::OpenRecentFile);
}

void FileCommands::New() {
  const bool asked = session_.Document().IsModified() && session_.LineCount() > 0;
  if (!SaveQuestionAllows()) return;
  // Reports the empty program and turns Start, Krok and Pauza off, also when the editor was
  // empty already and so saw no change.
  session_.New();
  if (asked) session_.Reset();
}

void FileCommands::Open() {
  if (!SaveQuestionAllows()) return;
  const QString path = dialogs_().OpenFileName(
      &window_, {QStringLiteral("Kwarcyt - Wczytaj program"),
                 lastOpened_.isEmpty() ? lastFolder_ : lastOpened_, kFileFilter, kDefaultSuffix});
  if (path.isEmpty()) return;
  lastFolder_ = QFileInfo(path).absolutePath();
  LoadFile(path);
}

void FileCommands::Import() {
  if (!SaveQuestionAllows()) return;
  const QString path = dialogs_().OpenFileName(
      &window_, {QStringLiteral("Kwarcyt - Importuj program"),
                 lastImported_.isEmpty() ? lastFolder_ : lastImported_,
                 QStringLiteral("Programy w asemblerze 8085 (*.asm *.a85 *.txt)"), QString()});
  if (path.isEmpty()) return;
  ImportFile(path);
}

void FileCommands::ImportFile(const QString& path) {
  lastImported_ = path;
  lastFolder_ = QFileInfo(path).absolutePath();
  if (const std::optional<QString> error = session_.Import(path)) {
    dialogs_().ShowError(&window_, kOpenErrorText, *error);
  }
}

void FileCommands::OpenFile(const QString& path) {
  if (SaveQuestionAllows()) LoadFile(path);
}

void FileCommands::LoadFile(const QString& path) {
  lastOpened_ = path;
  if (ImportAccepted(dialogs_(), &window_, path)) return ImportFile(path);
  if (const std::optional<QString> error = session_.Open(path)) {
    dialogs_().ShowError(&window_, kOpenErrorText, *error);
    return;
  }
  recent_->Add(path);
}

void FileCommands::OpenRecentFile(const QString& path) {
  if (!StampOf(path).exists) {
    recent_->Remove(path);
    dialogs_().ShowMessage(&window_, QStringLiteral("Plik „%1” nie istnieje: został usunięty lub "
                                                    "przeniesiony. Usunięto go z listy ostatnio "
                                                    "otwieranych plików.")
                                         .arg(ShownText(path)));
    return;
  }
  OpenFile(path);
}

bool FileCommands::Save() {
  if (!session_.Document().HasFileName()) return SaveAs();
  return OverwriteAllows() && WriteProgram(session_.Document().FileName());
}

bool FileCommands::SaveAs() {
  const QString path = dialogs_().SaveFileName(
      &window_, {QStringLiteral("Kwarcyt - Zapisz program"),
                 session_.Document().HasFileName() ? session_.Document().FileName()
                                                   : InLastFolder(session_.Document().FileName()),
                 kFileFilter, kDefaultSuffix});
  if (path.isEmpty()) return false;
  lastFolder_ = QFileInfo(path).absolutePath();
  return WriteProgram(path);
}

bool FileCommands::OverwriteAllows() {
  if (!session_.Document().ChangedOnDisk()) return true;
  return dialogs_().AskYesNo(
             &window_, window_.windowTitle(),
             QStringLiteral("Plik „%1” został zmieniony przez inny program od czasu, gdy został "
                            "tu otwarty lub zapisany.\nCzy zastąpić go programem z edytora?")
                 .arg(ShownText(QFileInfo(session_.Document().FileName()).fileName()))) ==
         QMessageBox::Yes;
}

bool FileCommands::WriteProgram(const QString& path) {
  if (const std::optional<QString> error = session_.SaveTo(path)) {
    dialogs_().ShowError(&window_, QStringLiteral("Wystąpił błąd podczas próby zapisania pliku"),
                         *error);
    return false;
  }
  recent_->Add(path);
  return true;
}

void FileCommands::OfferRecovery() {
  for (LeftCopy& copy : session_.Document().LeftBehind()) {
    const QString question =
        QStringLiteral(
            "Kwarcyt został zamknięty bez zapisania programu „%1” (ostatnia zmiana: %2).")
            .arg(ShownText(QFileInfo(copy.program.fileName).fileName()),
                 QLocale(QLocale::Polish).toString(copy.program.changed, QLocale::ShortFormat)) +
        FileSinceCopyText(FileSince(copy.program)) +
        QStringLiteral(
            "\n\nTak – przywróć ten program\nNie – usuń tę kopię\n"
            "Anuluj – zapytaj przy następnym uruchomieniu");
    switch (dialogs_().AskYesNoCancel(&window_, QStringLiteral("Kwarcyt - odzyskiwanie programu"),
                                      question)) {
      case QMessageBox::Yes:
        session_.Restore(copy.program);
        RecoveryCopy::Discard(copy);
        return;
      case QMessageBox::No:
        RecoveryCopy::Discard(copy);
        break;
      default:
        return;
    }
  }
}

bool FileCommands::SaveQuestionAllows() {
  if (!session_.Document().IsModified() || session_.LineCount() == 0) return true;
  switch (dialogs_().AskYesNoCancel(&window_, window_.windowTitle(),
                                    QStringLiteral("Program został zmieniony, zapisać?"))) {
    case QMessageBox::Yes:
      // Work the user asked to keep is never thrown away: a save that did not happen stops
      // the command as Cancel would.
      return Save();
    case QMessageBox::No:
      session_.Document().DiscardUnsavedWork();
      return true;
    default:
      return false;
  }
}

QString FileCommands::DraggedFile(const QDropEvent& event) const {
  if (!openAction_->isEnabled() || !event.mimeData()->hasUrls()) return {};
  for (const QUrl& url : event.mimeData()->urls()) {
    if (url.isLocalFile()) return LocalFileOf(url);
  }
  return {};
}

bool FileCommands::TakeFileDrop(QDropEvent& event) {
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

QString FileCommands::InLastFolder(const QString& name) const {
  return lastFolder_.isEmpty() ? name : QDir(lastFolder_).filePath(name);
}

}  // namespace kwarcyt
