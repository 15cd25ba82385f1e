// The file commands of the main window: New, Open, Save, Save As, Exit, the close query, the
// save question that guards unsaved work, and the title that names the program's file.
#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "EditorLines.h"
#include "ProgramFile.h"
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
  const ProgramReadResult read = ReadProgramFile(path);
  if (!read.ok) {
    dialogs_->ShowMessage(this, QStringLiteral("Wystąpił błąd podczas próby otwarcia pliku"));
    return;
  }
  ReplaceProgramText(read.text.lines);
  fileEncoding_ = read.text.encoding;
  fileName_ = path;
  hasFileName_ = true;
  setWindowTitle(TitleFor(fileName_));
  MemoChange();
  Reset();
}

bool TFormKwarcyt::ZapiszExecute() {
  if (!hasFileName_) return ZapiszjakoExecute();
  if (!WriteProgram(fileName_)) return false;
  memo_->document()->setModified(false);
  return true;
}

bool TFormKwarcyt::ZapiszjakoExecute() {
  const QString path = dialogs_->SaveFileName(
      this, {QStringLiteral("Kwarcyt - Zapisz program"), fileName_, kFileFilter, kDefaultSuffix});
  if (path.isEmpty()) return false;
  fileName_ = path;
  if (!WriteProgram(path)) return false;
  setWindowTitle(TitleFor(path));
  memo_->document()->setModified(false);
  hasFileName_ = true;
  return true;
}

bool TFormKwarcyt::WriteProgram(const QString& path) {
  const ProgramWriteResult written =
      WriteProgramFile(path, EditorTextLines(*memo_->document()), fileEncoding_);
  if (!written.ok) {
    dialogs_->ShowMessage(this, QStringLiteral("Wystąpił błąd podczas próby zapisania pliku"));
    return false;
  }
  fileEncoding_ = written.encoding;
  return true;
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
