// The application object: an error that escapes a handler is shown in a message box and the
// program goes on.
#pragma once

#include <QApplication>

namespace kwarcyt {

class KwarcytApplication : public QApplication {
 public:
  KwarcytApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The standard error box; an error without a message shows an empty one.
  static void ShowError(const QString& message);
};

}  // namespace kwarcyt
