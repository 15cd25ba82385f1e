// Drukuj: the system's print dialog (which also writes PDF files), then the program printed.
#pragma once

class QWidget;

namespace kwarcyt {

class Dialogs;
struct PrintedProgram;

void PrintWithDialog(QWidget* parent, Dialogs& dialogs, const PrintedProgram& program);

}  // namespace kwarcyt
