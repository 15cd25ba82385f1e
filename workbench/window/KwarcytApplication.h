// The application object: an error that escapes a handler is shown in a message box and the
// program goes on.
#pragma once

#include <QApplication>
#include <exception>

namespace kwarcyt {

class KwarcytApplication : public QApplication {
 public:
  KwarcytApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The standard error box; an error without a message shows an empty one.
  static void ShowError(const QString& message);
  // What the user is told of an error that escaped: in Polish, whatever its kind.
  static QString ErrorText(const std::exception_ptr& error);
};

}  // namespace kwarcyt
