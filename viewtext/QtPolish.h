// Qt's own texts (standard buttons, file dialogs, the command-line parser's messages) in Polish,
// for the window and for kwarcyt-run alike.
#pragma once

class QCoreApplication;

namespace kwarcyt {

// The program speaks Polish whatever the desktop's language. False when Debian's translation
// is not installed; Qt's texts then stay in English.
bool InstallQtPolishTranslation(QCoreApplication& application);

}  // namespace kwarcyt
