#include "KwarcytApplication.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <QMessageBox>
#include <exception>

namespace kwarcyt {

KwarcytApplication::KwarcytApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Kwarcyt"));
  setDesktopFileName(QStringLiteral("pl.kwarcyt.Kwarcyt"));
  setWindowIcon(QIcon(QStringLiteral(":/app/kwarcyt.svg")));
  InstallPolishTranslation(*this);
}

bool KwarcytApplication::InstallPolishTranslation(QCoreApplication& application) {
  // The program speaks Polish whatever the desktop's language, so Qt's own buttons and file
  // dialogs must too.
  auto* translator = new QTranslator(&application);
  if (!translator->load(QStringLiteral("qtbase_pl"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
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
