#include "workbench/window/KwarcytApplication.h"

#include <QIcon>
#include <QMessageBox>
#include <exception>
#include <new>

#include "viewtext/CommandLineTexts.h"

namespace kwarcyt {

KwarcytApplication::KwarcytApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Kwarcyt"));
  setDesktopFileName(QStringLiteral("pl.kwarcyt.Kwarcyt"));
  setWindowIcon(QIcon(QStringLiteral(":/app/kwarcyt.svg")));
  InstallCommandLineTranslations(*this);
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
