// The file commands of the main window: New, Open, Save, Save As, Exit, the close query, the
// save question that guards unsaved work, and the title that names the program's file.
#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLocale>
#include <QPlainTextEdit>

#include "EditorLines.h"
#include "ProgramFile.h"
#include "RecoveryKeeper.h"
#include "TFormKwarcyt.h"

namespace kwarcyt {

namespace {

const QString kNewFileName = QStringLiteral("Nowy.txt");
const QString kFileFilter = QStringLiteral("Pliki tekstowe (*.txt)");
const QString kDefaultSuffix = QStringLiteral("txt");

QString TitleFor(const QString& path) {
  return QStringLiteral("Kwarcyt - ") + QFileInfo(path).fileName();
}

}  // namespace

void TFormKwarcyt::NowyExecute() {
  const bool asked = memo_->document()->isModified() && ProgramLineCount() > 0;
  if (!SaveQuestionAllows()) return;
  hasFileName_ = false;
  ReplaceProgramText({});
  // Reports the empty program and turns Start, Krok and Pauza off, also when the editor was
  // empty already and so saw no change.
  MemoChange();
  if (asked) Reset();
  fileName_ = kNewFileName;
  fileEncoding_ = TextEncoding::Utf8;
  setWindowTitle(TitleFor(fileName_));
}

void TFormKwarcyt::OtworzExecute() {
  if (!SaveQuestionAllows()) return;
  const QString path = dialogs_->OpenFileName(this, {QStringLiteral("Kwarcyt - Wczytaj program"),
                                                     lastOpened_, kFileFilter, kDefaultSuffix});
  if (path.isEmpty()) return;
  lastOpened_ = path;
  // Stamped before reading: a change made while the file is read is then noticed at Save.
  const FileStamp stamp = StampOf(path);
  const ProgramReadResult read = ReadProgramFile(path);
  if (!read.ok) {
    dialogs_->ShowError(this, QStringLiteral("Wystąpił błąd podczas próby otwarcia pliku"),
                        read.error);
    return;
  }
  ReplaceProgramText(read.text.lines);
  fileEncoding_ = read.text.encoding;
  fileName_ = path;
  hasFileName_ = true;
  diskStamp_ = stamp;
  setWindowTitle(TitleFor(fileName_));
  MemoChange();
  Reset();
}

bool TFormKwarcyt::ZapiszExecute() {
  if (!hasFileName_) return ZapiszjakoExecute();
  if (!OverwriteAllows() || !WriteProgram(fileName_)) return false;
  memo_->document()->setModified(false);
  return true;
}

bool TFormKwarcyt::ZapiszjakoExecute() {
  const QString path = dialogs_->SaveFileName(
      this, {QStringLiteral("Kwarcyt - Zapisz program"), fileName_, kFileFilter, kDefaultSuffix});
  if (path.isEmpty() || !WriteProgram(path)) return false;
  // Only a program that is really in the new file takes its name.
  fileName_ = path;
  hasFileName_ = true;
  setWindowTitle(TitleFor(path));
  memo_->document()->setModified(false);
  return true;
}

bool TFormKwarcyt::OverwriteAllows() {
  const FileStamp onDisk = StampOf(fileName_);
  if (!onDisk.exists || onDisk == diskStamp_) return true;
  return dialogs_->AskYesNo(
             this, windowTitle(),
             QStringLiteral("Plik „%1” został zmieniony przez inny program od czasu, gdy został "
                            "tu otwarty lub zapisany.\nCzy zastąpić go programem z edytora?")
                 .arg(QFileInfo(fileName_).fileName())) == QMessageBox::Yes;
}

bool TFormKwarcyt::WriteProgram(const QString& path) {
  const ProgramWriteResult written =
      WriteProgramFile(path, EditorTextLines(*memo_->document()), fileEncoding_);
  if (!written.ok) {
    dialogs_->ShowError(this, QStringLiteral("Wystąpił błąd podczas próby zapisania pliku"),
                        written.error);
    return false;
  }
  fileEncoding_ = written.encoding;
  diskStamp_ = StampOf(path);
  return true;
}

void TFormKwarcyt::OfferRecovery() {
  for (LeftCopy& copy : recovery_->LeftBehind()) {
    const QString question =
        QStringLiteral(
            "Kwarcyt został zamknięty bez zapisania programu „%1” (ostatnia zmiana: %2).\n\n"
            "Tak – przywróć ten program\nNie – usuń tę kopię\n"
            "Anuluj – zapytaj przy następnym uruchomieniu")
            .arg(QFileInfo(copy.program.fileName).fileName(),
                 QLocale(QLocale::Polish).toString(copy.program.changed, QLocale::ShortFormat));
    switch (dialogs_->AskYesNoCancel(this, QStringLiteral("Kwarcyt - odzyskiwanie programu"),
                                     question)) {
      case QMessageBox::Yes:
        RestoreProgram(copy.program);
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

void TFormKwarcyt::RestoreProgram(const RecoveredProgram& program) {
  ReplaceProgramText(program.lines);
  memo_->document()->setModified(true);
  fileName_ = program.fileName;
  hasFileName_ = program.hasFileName;
  fileEncoding_ = program.encoding;
  diskStamp_ = StampOf(fileName_);
  setWindowTitle(TitleFor(fileName_));
  MemoChange();
  Reset();
  // The restored text is this window's unsaved work now, before the old copy goes.
  recovery_->WriteNow();
}

void TFormKwarcyt::KeepUnsavedWork() {
  recovery_->WriteNow();
}

void TFormKwarcyt::ReplaceProgramText(const QStringList& lines) {
  memo_->setPlainText(lines.join(QLatin1Char('\n')));
  memo_->document()->setModified(false);
}

bool TFormKwarcyt::SaveQuestionAllows() {
  if (!memo_->document()->isModified() || ProgramLineCount() == 0) return true;
  switch (dialogs_->AskYesNoCancel(this, windowTitle(),
                                   QStringLiteral("Program został zmieniony, zapisać?"))) {
    case QMessageBox::Yes:
      // Work the user asked to keep is never thrown away: a save that did not happen stops
      // the command as Cancel would.
      return ZapiszExecute();
    case QMessageBox::No:
      recovery_->Discard();
      return true;
    default:
      return false;
  }
}

void TFormKwarcyt::EndRunForClosing() {
  // A run stopped here is stopped for good, so that a cancelled Exit leaves the window ready
  // for editing rather than half in the run layout.
  if (machine_.Running) StopExecute();
  runControl_.AbandonRun();
  continuation_.stop();
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
  event->accept();
}

}  // namespace kwarcyt
