#include "PrintCommand.h"

#include <QPrintDialog>
#include <QPrinter>

#include "ProgramPrint.h"
#include "workbench/window/Dialogs.h"

namespace kwarcyt {

void PrintWithDialog(QWidget* parent, Dialogs& dialogs, const PrintedProgram& program) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(program.name);
  QPrintDialog dialog(&printer, parent);
  dialog.setObjectName(QStringLiteral("FormDrukuj"));
  dialog.setWindowTitle(QStringLiteral("Kwarcyt - Drukuj"));
  // A program is printed whole; there is no selection or page range to offer.
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  if (dialogs.Exec(dialog) != QDialog::Accepted) return;
  if (PrintProgram(printer, program) == 0) {
    dialogs.ShowMessage(parent, QStringLiteral("Nie udało się wydrukować programu."));
  }
}

}  // namespace kwarcyt
