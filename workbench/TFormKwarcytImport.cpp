// Importuj: a program written in the common 8085 assembler syntax, converted into the editor as
// new, unsaved work, with the conversion's notes below the check's messages.
#include <QAction>
#include <QFileInfo>

#include "ProgramDocument.h"
#include "TFormKwarcyt.h"
#include "checker/ProgramCheck.h"

namespace kwarcyt {

void TFormKwarcyt::ImportujExecute() {
  if (!SaveQuestionAllows()) return;
  const QString path = dialogs_->OpenFileName(
      this, {QStringLiteral("Kwarcyt - Importuj program"),
             lastImported_.isEmpty() ? lastFolder_ : lastImported_,
             QStringLiteral("Programy w asemblerze 8085 (*.asm *.a85 *.txt)"), QString()});
  if (path.isEmpty()) return;
  lastFolder_ = QFileInfo(path).absolutePath();
  ImportFile(path);
}

void TFormKwarcyt::ImportFile(const QString& path) {
  lastImported_ = path;
  if (const std::optional<QString> error = document_->Import(path)) {
    dialogs_->ShowError(this, kOpenErrorText, *error);
    return;
  }
  setWindowTitle(document_->Title());
  MemoChange();
  Reset();
  // Every fault of the converted program at once, not only the caret line's: the student did
  // not type it and has to see what is left to do.
  Kompiluj(ProgramLines(), machine_.LabelTable, errors_, machine_.ProgramChecked);
  ShowErrors(0);
}

}  // namespace kwarcyt
