// Importuj: a program written in the common 8085 assembler syntax, converted into the editor as
// new, unsaved work, with the conversion's notes below the check's messages.
#include <QAction>
#include <QFileInfo>

#include "workbench/session/ProgramDocument.h"
#include "workbench/window/TFormKwarcyt.h"

namespace kwarcyt {

void TFormKwarcyt::ImportujExecute() {
  if (!SaveQuestionAllows()) return;
  const QString path = dialogs_->OpenFileName(
      this, {QStringLiteral("Kwarcyt - Importuj program"),
             lastImported_.isEmpty() ? lastFolder_ : lastImported_,
             QStringLiteral("Programy w asemblerze 8085 (*.asm *.a85 *.txt)"), QString()});
  if (path.isEmpty()) return;
  lastImported_ = path;
  lastFolder_ = QFileInfo(path).absolutePath();
  if (const std::optional<QString> error = session_->Import(path)) {
    dialogs_->ShowError(this, kOpenErrorText, *error);
  }
}

}  // namespace kwarcyt
