// The file commands of the main window: New, Open, Save, Save As, Exit, the close query, the
// save question that guards unsaved work, the offer of recovered work, and the title that names
// the program's file.
#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLocale>

#include "ProgramDocument.h"
#include "RecentFiles.h"
#include "TFormKwarcyt.h"
#include "WindowSettings.h"
#include "sourcefile/FileName.h"
#include "workbench/commands/ImportOffer.h"

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

void TFormKwarcyt::NowyExecute() {
  const bool asked = document_->IsModified() && ProgramLineCount() > 0;
  if (!SaveQuestionAllows()) return;
  document_->New();
  // Reports the empty program and turns Start, Krok and Pauza off, also when the editor was
  // empty already and so saw no change.
  MemoChange();
  if (asked) Reset();
  setWindowTitle(document_->Title());
}

void TFormKwarcyt::OtworzExecute() {
  if (!SaveQuestionAllows()) return;
  const QString path = dialogs_->OpenFileName(
      this, {QStringLiteral("Kwarcyt - Wczytaj program"),
             lastOpened_.isEmpty() ? lastFolder_ : lastOpened_, kFileFilter, kDefaultSuffix});
  if (path.isEmpty()) return;
  lastFolder_ = QFileInfo(path).absolutePath();
  LoadFile(path);
}

void TFormKwarcyt::OpenFile(const QString& path) {
  if (SaveQuestionAllows()) LoadFile(path);
}

void TFormKwarcyt::LoadFile(const QString& path) {
  lastOpened_ = path;
  if (const std::optional<QString> error = document_->Open(path)) {
    dialogs_->ShowError(this, kOpenErrorText, *error);
    return;
  }
  if (ImportAccepted(*dialogs_, this, path, ProgramLines())) return ImportFile(path);
  recent_->Add(path);
  setWindowTitle(document_->Title());
  MemoChange();
  Reset();
}

bool TFormKwarcyt::ZapiszExecute() {
  if (!document_->HasFileName()) return ZapiszjakoExecute();
  return OverwriteAllows() && WriteProgram(document_->FileName());
}

bool TFormKwarcyt::ZapiszjakoExecute() {
  const QString path = dialogs_->SaveFileName(
      this, {QStringLiteral("Kwarcyt - Zapisz program"),
             document_->HasFileName() ? document_->FileName() : InLastFolder(document_->FileName()),
             kFileFilter, kDefaultSuffix});
  if (path.isEmpty()) return false;
  lastFolder_ = QFileInfo(path).absolutePath();
  return WriteProgram(path);
}

bool TFormKwarcyt::OverwriteAllows() {
  if (!document_->ChangedOnDisk()) return true;
  return dialogs_->AskYesNo(
             this, windowTitle(),
             QStringLiteral("Plik „%1” został zmieniony przez inny program od czasu, gdy został "
                            "tu otwarty lub zapisany.\nCzy zastąpić go programem z edytora?")
                 .arg(ShownText(QFileInfo(document_->FileName()).fileName()))) == QMessageBox::Yes;
}

bool TFormKwarcyt::WriteProgram(const QString& path) {
  if (const std::optional<QString> error = document_->SaveTo(path)) {
    dialogs_->ShowError(this, QStringLiteral("Wystąpił błąd podczas próby zapisania pliku"),
                        *error);
    return false;
  }
  recent_->Add(path);
  setWindowTitle(document_->Title());
  return true;
}

void TFormKwarcyt::OfferRecovery() {
  for (LeftCopy& copy : document_->LeftBehind()) {
    const QString question =
        QStringLiteral(
            "Kwarcyt został zamknięty bez zapisania programu „%1” (ostatnia zmiana: %2).")
            .arg(ShownText(QFileInfo(copy.program.fileName).fileName()),
                 QLocale(QLocale::Polish).toString(copy.program.changed, QLocale::ShortFormat)) +
        FileSinceCopyText(FileSince(copy.program)) +
        QStringLiteral(
            "\n\nTak – przywróć ten program\nNie – usuń tę kopię\n"
            "Anuluj – zapytaj przy następnym uruchomieniu");
    switch (dialogs_->AskYesNoCancel(this, QStringLiteral("Kwarcyt - odzyskiwanie programu"),
                                     question)) {
      case QMessageBox::Yes:
        document_->Restore(copy.program);
        RecoveryCopy::Discard(copy);
        setWindowTitle(document_->Title());
        MemoChange();
        Reset();
        return;
      case QMessageBox::No:
        RecoveryCopy::Discard(copy);
        break;
      default:
        return;
    }
  }
}

void TFormKwarcyt::KeepUnsavedWork() {
  document_->KeepUnsavedWork();
}

bool TFormKwarcyt::SaveQuestionAllows() {
  if (!document_->IsModified() || ProgramLineCount() == 0) return true;
  switch (dialogs_->AskYesNoCancel(this, windowTitle(),
                                   QStringLiteral("Program został zmieniony, zapisać?"))) {
    case QMessageBox::Yes:
      // Work the user asked to keep is never thrown away: a save that did not happen stops
      // the command as Cancel would.
      return ZapiszExecute();
    case QMessageBox::No:
      document_->DiscardUnsavedWork();
      return true;
    default:
      return false;
  }
}

void TFormKwarcyt::EndRunForClosing() {
  // A run stopped here is stopped for good, so that a cancelled Exit leaves the window ready
  // for editing rather than half in the run layout.
  if (machine_.Running) StopExecute();
  run_->Abandon();
}

void TFormKwarcyt::ZakonczExecute() {
  EndRunForClosing();
  if (!SaveQuestionAllows()) return;
  closeApproved_ = true;
  close();
  closeApproved_ = false;
}

// FormCloseQuery
void TFormKwarcyt::closeEvent(QCloseEvent* event) {
  if (!closeApproved_) {
    EndRunForClosing();
    if (!SaveQuestionAllows()) {
      event->ignore();
      return;
    }
  }
  if (windowSettings_) windowSettings_->Store(Remembered());
  event->accept();
}

}  // namespace kwarcyt
