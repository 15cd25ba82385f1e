// Open of a file written in the common assembler syntax: rather than a screenful of puzzling
// messages, the student is offered the import that converts it.
#pragma once

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace kwarcyt {

class Dialogs;

// Asks, for a file just opened whose lines fail the check and look like the common syntax,
// whether to import it instead; true when the answer was Tak.
bool ImportAccepted(Dialogs& dialogs, QWidget* parent, const QString& path,
                    const std::vector<std::string>& lines);

}  // namespace kwarcyt
