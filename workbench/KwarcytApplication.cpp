#include "KwarcytApplication.h"

#include <QIcon>
#include <QMessageBox>
#include <exception>

namespace kwarcyt {

KwarcytApplication::KwarcytApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Kwarcyt"));
  setDesktopFileName(QStringLiteral("pl.kwarcyt.Kwarcyt"));
  setWindowIcon(QIcon(QStringLiteral(":/app/kwarcyt.svg")));
}

bool KwarcytApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowError(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    ShowError(QString());
  }
  return false;
}

void KwarcytApplication::ShowError(const QString& message) {
  QMessageBox::critical(activeWindow(), applicationName(), message);
}

}  // namespace kwarcyt
