#include "ImportOffer.h"

#include <QFileInfo>

#include "sourcefile/ProgramFile.h"
#include "sourcefile/ProgramText.h"
#include "sourceimport/CommonSyntax.h"
#include "workbench/window/Dialogs.h"

namespace kwarcyt {

bool ImportAccepted(Dialogs& dialogs, QWidget* parent, const QString& path) {
  const ProgramReadResult read = ReadProgramFile(path);
  if (!read.ok) return false;
  if (!WorthImporting(QFileInfo(path).fileName().toStdString(), Utf8Lines(read.text.lines))) {
    return false;
  }
  return dialogs.Offer(
             parent, QStringLiteral("Kwarcyt"),
             QStringLiteral("Ten plik wygląda na program w innej składni. Zaimportować go?")) ==
         QMessageBox::Yes;
}

}  // namespace kwarcyt
