#include "KwarcytApplication.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <exception>
#include <new>

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
  } catch (...) {
    ShowError(ErrorText(std::current_exception()));
  }
  return false;
}

QString KwarcytApplication::ErrorText(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::bad_alloc&) {
    return QStringLiteral("Za mało pamięci, aby wykonać to polecenie.");
  } catch (const std::exception& other) {
    return QStringLiteral("Wystąpił nieoczekiwany błąd wewnętrzny (%1).")
        .arg(QString::fromLocal8Bit(other.what()));
  } catch (...) {
  }
  return QStringLiteral("Wystąpił nieoczekiwany błąd wewnętrzny.");
}

void KwarcytApplication::ShowError(const QString& message) {
  QMessageBox::critical(activeWindow(), applicationName(), message);
}

}  // namespace kwarcyt
