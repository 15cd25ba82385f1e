// The application object: an error that escapes a handler is shown in a message box and the
// program goes on.
#pragma once

#include <QApplication>

namespace kwarcyt {

class KwarcytApplication : public QApplication {
 public:
  KwarcytApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Qt's own texts (standard buttons, file dialogs) in Polish; false when the translation is
  // not installed, and then they stay in English.
  static bool InstallPolishTranslation(QCoreApplication& application);

  // The standard error box; an error without a message shows an empty one.
  static void ShowError(const QString& message);
};

}  // namespace kwarcyt
