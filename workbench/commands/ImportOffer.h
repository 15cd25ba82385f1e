// Open of a file written in the common assembler syntax: rather than a screenful of puzzling
// messages, the student is offered the import that converts it.
#pragma once

#include <QString>

class QWidget;

namespace kwarcyt {

class Dialogs;

// Asks, before a file is opened, whether to import it instead when its lines fail the check and
// look like the common syntax; true when the answer was Tak. A file that cannot be read is left
// to the opening, which says why.
bool ImportAccepted(Dialogs& dialogs, QWidget* parent, const QString& path);

}  // namespace kwarcyt
